// SPDX-License-Identifier: MIT
// The projector's look, made from the window's drawing.
#include "bench/look.h"

#include <algorithm>
#include <cmath>

#include "window/caption_font.h"

namespace korru {

namespace {

// The height of a capital letter as a share of the font's pixel size, at least, in the faces the
// bench's words are set in (IPA P Gothic, Noto Sans, the browsers' sans-serif): about 0.7.
constexpr double kCapHeight = 0.68;
// The bench is so many capitals high.
constexpr int kCapitalsHigh = 40;
// A line is a pixel across for so many pixels of the bench's height, and two at least.
constexpr int kPixelsPerLinePixel = 450;
// A text's halo is this share of its font's size wide, and some pixels at least.
constexpr int kHaloShare = 6, kLeastHalo = 4;
// The real image's outline: dark on the light screen card.
constexpr Rgb kImageOutline = 0x202020;

double channel(Rgb rgb, int shift) {
    const double c = static_cast<double>((rgb >> shift) & 0xFF) / 255;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(Rgb rgb) {
    return 0.2126 * channel(rgb, 16) + 0.7152 * channel(rgb, 8) + 0.0722 * channel(rgb, 0);
}

// `a` moved a share `t` of the way towards `b`, channel by channel.
Rgb mixed(Rgb a, Rgb b, double t) {
    Rgb out = 0;
    for (int shift : {16, 8, 0}) {
        const double from = (a >> shift) & 0xFF, to = (b >> shift) & 0xFF;
        out |= static_cast<Rgb>(std::lround(from + (to - from) * t)) << shift;
    }
    return out;
}

bool is_grid(int item) {
    if (item < 0) return false;
    const std::string_view name = kItems[static_cast<std::size_t>(item)].name;
    return name == "LXL" || name == "LXR" || name == "LYU" || name == "LYD";
}

// Where a label's box stays as its text grows: the candle's label to its left grows leftwards,
// the focal points' labels under their crosses grow either way, the rest to the right.
Align anchor(const Text& t) {
    if (t.item == Window::ids::source_label) return Align::right;
    if (t.item == Window::ids::focal_labels[0] || t.item == Window::ids::focal_labels[1]) {
        return Align::centre;
    }
    return t.align;
}

Box grown(const Box& b, Align at, float scale) {
    const float width = b.width * scale;
    const float left = at == Align::left     ? b.left
                       : at == Align::centre ? b.left + (b.width - width) / 2
                                             : b.left + b.width - width;
    return {left, b.top, width, b.height * scale};
}

}  // namespace

ProjectorSizes projector_sizes(int bench_height) {
    const int h = std::max(bench_height, 0);
    return {
        std::max(kDefaultFontPixels, static_cast<int>(std::ceil(h / (kCapitalsHigh * kCapHeight)))),
        std::max(2, static_cast<int>(std::lround(static_cast<double>(h) / kPixelsPerLinePixel)))};
}

int lesson_word_pixels(BenchLook look, int bench_height) {
    return look == BenchLook::projector ? projector_sizes(bench_height).text : 0;
}

double contrast_ratio(Rgb a, Rgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb readable_on(Rgb colour, Rgb back, double least) {
    if (contrast_ratio(colour, back) >= least) return colour;
    // Away from the background: towards white where white stands out more, else black.
    const Rgb far =
        contrast_ratio(0xFFFFFF, back) >= contrast_ratio(0x000000, back) ? 0xFFFFFF : 0x000000;
    for (int step = 1; step < 64; ++step) {
        const Rgb c = mixed(colour, far, step / 64.0);
        if (contrast_ratio(c, back) >= least) return c;
    }
    return far;
}

void projector_look(Drawing& d) {
    if (d.empty() || !std::holds_alternative<FilledRect>(d.front())) return;
    const FilledRect bench = std::get<FilledRect>(d.front());
    const ProjectorSizes sizes = projector_sizes(pixel_box(bench.box).height);
    const float scale = static_cast<float>(sizes.text) / kDefaultFontPixels;
    Drawing texts;
    Drawing kept;
    kept.reserve(d.size() + 8);
    for (std::size_t i = 0; i < d.size(); ++i) {
        if (auto* text = std::get_if<Text>(&d[i])) {
            // A plate the text had of its own gives way to the look's halo.
            if (kept.size() > 1) {
                const auto* plate = std::get_if<FilledRect>(&kept.back());
                if (plate && plate->box.left == text->box.left && plate->box.top == text->box.top &&
                    plate->box.width == text->box.width && plate->box.height == text->box.height) {
                    kept.pop_back();
                }
            }
            Text t = *text;
            t.box = grown(t.box, anchor(t), scale);
            t.align = anchor(t);
            t.pixels = sizes.text;
            t.colour = readable_on(t.colour, bench.colour, kTextContrast + 0.25);
            t.halo_colour = bench.colour;
            t.halo = std::max(kLeastHalo, sizes.text / kHaloShare);
            // Its halo's width further from what it names, which the halo would cover.
            const float away = static_cast<float>(t.halo) * kTwipsPerPixel;
            if (t.align == Align::right) t.box.left -= away;
            if (t.align == Align::left && t.item >= 0) t.box.left += away;
            texts.push_back(t);
            continue;
        }
        if (auto* line = std::get_if<Line>(&d[i]); line && !is_grid(line->item)) {
            line->width = sizes.line;
        } else if (auto* picture = std::get_if<Picture>(&d[i])) {
            picture->smooth = true;
            if (picture->item == Window::ids::real_image) {
                picture->outline = kImageOutline;
                picture->outline_width = std::max(1, sizes.line / 2);
                const float margin = static_cast<float>(picture->outline_width) * kTwipsPerPixel;
                Box& b = picture->box;
                b = {b.left - margin, b.top - margin, b.width + 2 * margin, b.height + 2 * margin};
            }
        }
        kept.push_back(std::move(d[i]));
    }
    kept.insert(kept.end(), texts.begin(), texts.end());
    d = std::move(kept);
}

}  // namespace korru
