// SPDX-License-Identifier: MIT
// The bench drawing as an SVG document for worksheets, written from the drawing's primitives with
// no toolkit: the same boxes, colours and stacking as the canvas, the candle pictures embedded
// and drawn without smoothing. Plain C++, so it is also built and tested natively.
#pragma once

#include <string>
#include <string_view>

#include "bench/drawing.h"

namespace korru::web {

// What the drawing alone does not say: the words, fonts and pictures of the page.
struct SvgLook {
    struct Face {
        std::string family;  // a CSS font-family list
        double pixels = 12;
        bool bold = false;
        double ascent = 10;  // from the top of the text's box down to its baseline, in pixels
    };
    std::string (*words)(std::string_view);  // a text as the reader reads it
    Face (*face)(const ItemDef&);
    const std::string& (*picture)(std::string_view name, bool turned);  // a data: URL
};

// The drawing on a canvas of width x height pixels, titled and described (the scene in words).
std::string bench_svg(const Drawing& drawing, int width, int height, const SvgLook& look,
                      std::string_view title, std::string_view description);

}  // namespace korru::web
