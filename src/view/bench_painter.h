// SPDX-License-Identifier: MIT
// Painting the bench drawing with QPainter, in device-independent pixels with the bench's origin
// at (0, 0), its level and upright lines on whole device pixels at any device pixel ratio. The
// bench widget, the window picture of the snapshot tool and its vector drawing all paint with
// this one function.
#pragma once

#include <QPainter>
#include <QSize>

#include "bench/drawing.h"

namespace korru::view {

// The bench as the model stands: its drawing, first primitive to last.
void paint_bench(QPainter& p, const Window& w);

// The whole bench coordinate space, `work`'s width and height.
QSize bench_size(const Window& w);

}  // namespace korru::view
