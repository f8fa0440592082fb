// SPDX-License-Identifier: MIT
// A drawing (the bench, the notebook's plot) as an SVG document for worksheets, written from its
// primitives with no toolkit, for every face: the same boxes, colours and stacking as the
// painters', the candle pictures embedded and drawn without smoothing, but where the drawing
// asks for it.
#pragma once

#include <string>
#include <string_view>

#include "bench/drawing.h"

namespace korru {

// What the drawing alone does not say: the words, fonts and pictures of the page.
struct SvgLook {
    struct Face {
        std::string family;  // a CSS font-family list
        double pixels = 12;
        bool bold = false;
        double ascent = 10;  // from the top of the text's box down to its baseline, in pixels
    };
    std::string (*words)(std::string_view);  // a text as the reader reads it
    Face (*face)(const Text&);
    const std::string& (*picture)(std::string_view name, bool turned);  // a data: URL
};

// "#rrggbb".
std::string css_colour(Rgb rgb);

// The drawing on a canvas of width x height pixels, titled and described (the scene in words).
std::string drawing_svg(const Drawing& drawing, int width, int height, const SvgLook& look,
                        std::string_view title, std::string_view description);

}  // namespace korru
