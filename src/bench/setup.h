// SPDX-License-Identifier: MIT
// The fixed bench, built once from the fitted bench area: the unit, the axis, the lens line and
// outline, the grid, the focal marks, the sizes of the screen and the candle, and the start
// state; it ends with the first scene update.
#pragma once

#include "window/window.h"

namespace korru {

void set_up_bench(Window& w);

}  // namespace korru
