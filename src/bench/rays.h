// SPDX-License-Identifier: MIT
// The four principal rays rl(0)..ray(3). The scene update places them in two groups: the ends
// that do not depend on the image, then the start points of the case in force.
#pragma once

#include "window/window.h"

namespace korru {

// rl(0) and rl(3) whole, and the end points of rl(1) and rl(2).
void place_common_rays(Window& w);
// rl(1) from the bench's left edge, rl(2) from the lens: they meet rl(0) at the real image.
void place_real_rays(Window& w);
// rl(1) from the source, rl(2) across the whole bench: extended backward they meet at the
// virtual image.
void place_virtual_rays(Window& w);

}  // namespace korru
