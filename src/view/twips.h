// SPDX-License-Identifier: MIT
// The model's twips as the toolkit's rectangles and points of device-independent pixels, rounded
// as every face rounds them (pixel_of, pixel_box), and a pointer's pixels as twips. Every position
// and size the view takes from the model, or gives it, goes through these functions.
#pragma once

#include <QPoint>
#include <QRect>

#include "bench/drawing.h"
#include "commands/drag.h"
#include "window/screen.h"
#include "window/window.h"

namespace korru::view {

QRect px_rect(const Box& box);
QRect px_rect(const Item& it);
QPoint px_point(float x, float y);

// A point in pixels from the bench's origin, as the model takes a pointer on the bench.
BenchPoint twips_point(QPointF px);

}  // namespace korru::view
