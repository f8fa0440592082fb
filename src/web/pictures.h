// SPDX-License-Identifier: MIT
// The program's pictures on the page: the candle, upright and turned, as canvases to draw from,
// made once from the XPM grid in assets/; and any bitmap as a canvas. (The page's icon is made
// when the page is built.)
#pragma once

#include <emscripten/val.h>

#include <string_view>

#include "web/bitmap.h"

namespace korru::web {

// A canvas of the bitmap's size holding its pixels.
emscripten::val canvas_of(const Bitmap& b);

// A canvas holding the picture of that name in assets/, upright or given a half turn, and its
// pixels. Throw std::invalid_argument for a name that is not one of them.
const emscripten::val& picture(std::string_view name, bool turned);
const Bitmap& picture_pixels(std::string_view name, bool turned);

}  // namespace korru::web
