// SPDX-License-Identifier: MIT
// Lengths and boxes as the page's style takes them: CSS pixels to four decimals, one writer for
// every part of the page the program places.
#pragma once

#include <emscripten/val.h>

#include <string>

#include "web/layout.h"

namespace korru::web {

std::string css_pixels(double n);

// The element placed at a box of its containing block.
void place(const emscripten::val& element, const CssBox& box);

}  // namespace korru::web
