// SPDX-License-Identifier: MIT
// The model's twips as the toolkit's rectangles and points of device-independent pixels, rounded
// as every face rounds them (pixel_of, pixel_box). Every position and size the view takes from
// the model goes through these functions.
#pragma once

#include <QPoint>
#include <QRect>

#include "bench/drawing.h"
#include "window/screen.h"
#include "window/window.h"

namespace korru::view {

QRect px_rect(const Box& box);
QRect px_rect(const Item& it);
QPoint px_point(float x, float y);

}  // namespace korru::view
