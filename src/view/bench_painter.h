// SPDX-License-Identifier: MIT
// Painting the bench drawing with QPainter, in device-independent pixels with the bench's origin
// at (0, 0), its level and upright lines on whole device pixels at any device pixel ratio. The
// bench widget, the window picture of the snapshot tool and its vector drawing, and the
// notebook's plot all paint with this one painter.
#pragma once

#include <QPainter>
#include <QSize>

#include "bench/drawing.h"

namespace korru::view {

// Any drawing of the bench's primitives (the bench as the lesson shows it, the plot), first
// primitive to last.
void paint_drawing(QPainter& p, const Drawing& drawing);

// The bench as the model stands: its drawing.
void paint_bench(QPainter& p, const Window& w);

// The whole bench coordinate space, `work`'s width and height.
QSize bench_size(const Window& w);

}  // namespace korru::view
