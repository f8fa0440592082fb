// SPDX-License-Identifier: MIT
// The model's 0xRRGGBB colours as CSS colours.
#pragma once

#include <cstdio>
#include <string>

#include "window/definition.h"

namespace korru::web {

inline std::string css_colour(Rgb rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(rgb & 0xFFFFFF));
    return text;
}

}  // namespace korru::web
