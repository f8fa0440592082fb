// SPDX-License-Identifier: MIT
// Font sizing measured by the browser's own text metrics, the way the desktop measures with the
// toolkit's: a button centres its caption's ink, so only the ink must fit; a label needs its
// whole line.
#include "web/fonts.h"

#include <emscripten/val.h>

#include <cmath>
#include <cstdio>

#include "web/pixels.h"

namespace korru::web {

namespace {

using emscripten::val;

// A push button's frame takes this much of its width and height.
constexpr int kButtonFrame = 4;

val& measuring_context() {
    static val context = val::global("document")
                             .call<val>("createElement", val("canvas"))
                             .call<val>("getContext", val("2d"));
    return context;
}

double metric(const val& metrics, const char* name) {
    const val v = metrics[name];
    return v.isNumber() ? v.as<double>() : 0;
}

}  // namespace

std::string css_font(double pixels, bool bold) {
    char size[32];
    std::snprintf(size, sizeof size, "%gpx ", pixels);
    return (bold ? "bold " : "") + std::string(size) + std::string(kFontFamilies);
}

int font_pixels(const ItemDef& def) {
    if (def.look.font.face.empty()) return kDefaultPixels;
    const int frame = def.kind == Kind::button ? kButtonFrame : 0;
    const int width = px(def.width) - frame, height = px(def.height) - frame;
    const val caption(std::string(def.caption));
    val& context = measuring_context();
    for (int pixels = static_cast<int>(std::lround(def.look.font.points * 4 / 3));; --pixels) {
        if (pixels <= kDefaultPixels) return pixels;
        context.set("font", css_font(pixels, def.look.font.bold));
        const val m = context.call<val>("measureText", caption);
        bool fits;
        if (def.kind == Kind::button) {
            const double ink_width =
                metric(m, "actualBoundingBoxLeft") + metric(m, "actualBoundingBoxRight");
            const double ink_height =
                metric(m, "actualBoundingBoxAscent") + metric(m, "actualBoundingBoxDescent");
            fits = std::ceil(ink_width) <= width && std::ceil(ink_height) <= height;
        } else {
            const double line = std::lround(metric(m, "fontBoundingBoxAscent")) +
                                std::lround(metric(m, "fontBoundingBoxDescent"));
            fits = line <= height && std::ceil(metric(m, "width")) <= width;
        }
        if (fits) return pixels;
    }
}

double baseline_below_top(double pixels, bool bold) {
    val& context = measuring_context();
    context.set("font", css_font(pixels, bold));
    context.set("textBaseline", "top");
    const val m = context.call<val>("measureText", val("Ag"));
    context.set("textBaseline", "alphabetic");
    const val baseline = m["alphabeticBaseline"];
    // A browser without the baseline metrics: where most fonts put it.
    return baseline.isNumber() ? -baseline.as<double>() : 0.88 * pixels;
}

}  // namespace korru::web
