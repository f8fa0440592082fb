// SPDX-License-Identifier: MIT
// Painting the bench: the background and the 75 bench items, from the last in the stacking order
// to the first, so the first ends on top. The bench widget, the window picture of the snapshot
// tool and its vector drawing all paint with this one function.
#pragma once

#include <QPainter>
#include <QSize>

#include "window/window.h"

namespace korru::view {

// Paints in device-independent pixels, the bench's origin at (0, 0). Hidden items are skipped.
void paint_bench(QPainter& p, const Window& w);

// The whole bench coordinate space, `work`'s width and height.
QSize bench_size(const Window& w);

}  // namespace korru::view
