// SPDX-License-Identifier: MIT
// Lengths and boxes in the page's style.
#include "web/css.h"

#include <cstdio>

namespace korru::web {

std::string css_pixels(double n) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4fpx", n);
    return text;
}

void place(const emscripten::val& element, const CssBox& box) {
    emscripten::val style = element["style"];
    style.set("left", css_pixels(box.left));
    style.set("top", css_pixels(box.top));
    style.set("width", css_pixels(box.width));
    style.set("height", css_pixels(box.height));
}

}  // namespace korru::web
