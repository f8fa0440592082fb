// SPDX-License-Identifier: MIT
// The scene update and the routines that place the bench's moving items from the bench state.
#pragma once

#include "window/window.h"

namespace korru {

// Places the source and its label, the four rays and, by the thin-lens relation
// 1/v = 1/f - 1/s, the real or virtual image with its label (and the screen under a real image).
void update_bench(Window& w);

// The image distance v = 1 / (1/f - 1/s), in exactly this form: positive right of the lens (a
// real image), negative left of it (a virtual one). Raises RuntimeError, as the scene update's,
// when it is not finite.
float image_distance(const BenchState& b);

// Puts the two focal-point crosses and their labels at lensx - f and lensx + f on the axis.
void place_focal_marks(Window& w, float f);

// Gives the lens outline its width for the current focal length: 4 * unit^2 / flen, centred on
// the lens line (computed in double, stored in float).
void shape_lens(Window& w);

}  // namespace korru
