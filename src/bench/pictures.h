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

// On a bench whose upright candle stands more than this many device pixels high for each of its
// picture's, pictures show their pixels as blocks: they are stretched smoothly there, and pixel
// by pixel up to it, as they always were, however large an image grows.
inline constexpr int kBlockyStretch = 3;

// Whether the picture, painted at `ratio` device pixels to a pixel, is stretched smoothly
// (smooth_picture) rather than pixel by pixel.
bool drawn_smoothly(const Picture& pic, double ratio);

// The picture stretched smoothly to width x height device pixels at `ratio` device pixels to a
// pixel, turned where it is, with its outline where it has one, in a margin of the outline's
// width inside the box: what every face draws one to one.
Rgba smooth_picture(const Picture& pic, int width, int height, double ratio);

}  // namespace korru
