// SPDX-License-Identifier: MIT
// Font sizing measured by the browser's own text metrics, the way the desktop measures with the
// toolkit's: a button centres its caption's ink, so only the ink must fit; a label needs its
// whole line.
#include "web/fonts.h"

#include <emscripten/val.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <functional>

#include "web/language.h"
#include "window/caption_font.h"

namespace korru::web {

namespace {

using emscripten::val;

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
    return (bold ? "bold " : "") + std::string(size) + std::string(font_families());
}

int font_pixels(const ItemDef& def) {
    // An item's caption and box are its definition's: each is measured once, not at every
    // paint and layout.
    static std::array<int, kItemCount> measured{};  // 0: not yet
    const ItemDef* first = kItems.data();
    const bool listed = !std::less<>{}(&def, first) && std::less<>{}(&def, first + kItemCount);
    int* known = listed ? &measured[static_cast<std::size_t>(&def - first)] : nullptr;
    if (known && *known) return *known;
    const val caption(std::string(def.caption));
    val& context = measuring_context();
    const int size = caption_font_pixels(def, [&](int pixels, int width, int height) {
        context.set("font", css_font(pixels, def.look.font.bold));
        const val m = context.call<val>("measureText", caption);
        if (def.kind == Kind::button) {
            const double ink_width =
                metric(m, "actualBoundingBoxLeft") + metric(m, "actualBoundingBoxRight");
            const double ink_height =
                metric(m, "actualBoundingBoxAscent") + metric(m, "actualBoundingBoxDescent");
            return std::ceil(ink_width) <= width && std::ceil(ink_height) <= height;
        }
        const double line = std::lround(metric(m, "fontBoundingBoxAscent")) +
                            std::lround(metric(m, "fontBoundingBoxDescent"));
        return line <= height && std::ceil(metric(m, "width")) <= width;
    });
    if (known) *known = size;
    return size;
}

int text_pixels(const Text& t) {
    if (t.pixels > 0) return t.pixels;
    if (t.item < 0) return kDefaultFontPixels;
    return font_pixels(kItems[static_cast<std::size_t>(t.item)]);
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
