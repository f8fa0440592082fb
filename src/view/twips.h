// SPDX-License-Identifier: MIT
// The one conversion between the model's twips and the view's device-independent pixels.
// Every position and size the view takes from the model goes through these functions.
#pragma once

#include <QPoint>
#include <QRect>

#include "bench/drawing.h"
#include "window/screen.h"
#include "window/window.h"

namespace korru::view {

// The nearest whole pixel. A coordinate that is not finite or runs far off the window (only a
// broken model produces one) is held to a range the painter handles, instead of overflowing.
int px(double twips);

// An item's box, its four edges rounded separately so that boxes that touch in twips touch on
// the screen.
QRect px_rect(const Box& box);
QRect px_rect(const Item& it);
QPoint px_point(float x, float y);

}  // namespace korru::view
