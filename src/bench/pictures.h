// SPDX-License-Identifier: MIT
// The pixels of the program's pictures for what the model computes from them (the light on the
// experiment's screen), read from the XPM grids in assets/ with no toolkit.
#pragma once

#include <string_view>

#include "bench/drawing.h"

namespace korru {

// The few forms assets/ uses: a header "width height colours chars-per-pixel", a line a colour
// ("<chars> c #RRGGBB" or "<chars> c None", which is fully clear) and a string a row. Throws
// std::invalid_argument for anything else.
Rgba decode_xpm(const char* const* xpm);

// A picture by its name in assets/ ("candle"), upright. Throws std::invalid_argument for a name
// that is not one of them.
const Rgba& picture_pixels(std::string_view name);

}  // namespace korru
