// SPDX-License-Identifier: MIT
// The worksheet's SVG as a file a drawing program opens: well-formed whatever the words. Its
// drawing is held against the desktop's SVG in the browser's tests.
#include "bench/svg.h"

#include <gtest/gtest.h>

#include <string>

namespace korru {
namespace {

std::string words(std::string_view text) {
    return std::string(text) + " & <more>";
}

SvgLook::Face face(const Text&) {
    return {"IPAPGothic, 'Noto Sans CJK JP'", 12, false, 10.5};
}

const std::string& picture(std::string_view, bool turned) {
    static const std::string upright = "data:image/png;base64,AA==", half = "data:x?a=1&b=2";
    return turned ? half : upright;
}

const SvgLook kLook{words, face, picture};

TEST(Svg, EscapesEveryTextItWrites) {
    const int label = item_id("image_t");
    const Drawing d{FilledRect{{0, 0, 1500, 750}, 0x404040},
                    Text{label, {150, 150, 600, 255}, "\"像\"", 0xFF0000, {}, Align::left},
                    Picture{item_id("image1"), {300, 300, 120, 585}, "candle", true}};
    const std::string svg = drawing_svg(d, 100, 50, kLook, "T<1>", "a & b");
    EXPECT_NE(svg.find("<title>T&lt;1&gt;</title>"), std::string::npos) << svg;
    EXPECT_NE(svg.find("<desc>a &amp; b</desc>"), std::string::npos);
    EXPECT_NE(svg.find(">&quot;像&quot; &amp; &lt;more&gt;</text>"), std::string::npos) << svg;
    EXPECT_NE(svg.find("font-family=\"IPAPGothic, &apos;Noto Sans CJK JP&apos;\""),
              std::string::npos);
    EXPECT_NE(svg.find("xlink:href=\"data:x?a=1&amp;b=2\""), std::string::npos);
    // The text starts at its box's top left, its baseline the face's ascent below, clipped.
    EXPECT_NE(svg.find("<clipPath id=\"text1\"><rect x=\"10\" y=\"10\" width=\"40\" height=\"17\""),
              std::string::npos);
    EXPECT_NE(svg.find("<text x=\"10\" y=\"20.5\" clip-path=\"url(#text1)\""), std::string::npos);
    EXPECT_NE(svg.find("width=\"100\" height=\"50\" viewBox=\"0 0 100 50\""), std::string::npos);
}

}  // namespace
}  // namespace korru
