// SPDX-License-Identifier: MIT
// The prediction: what it hides, the mark, the answer in lines and in words.
#include "lesson/prediction.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>

namespace korru {

namespace {

constexpr std::string_view kPredict =
    "予想してください。像の先ができる所に印をつけ、答えを見ます。";
constexpr std::string_view kMarkOff = "予想の印は、像の先から %1 離れていました。";
constexpr std::string_view kNoMark = "予想の印はつけられていません。";
constexpr std::string_view kMarkAt = "予想の印は、レンズの%1 %2、光軸の%3 %4 の所にあります。";
constexpr std::string_view kMarkOnAxis = "予想の印は、レンズの%1 %2、光軸の上にあります。";
constexpr std::string_view kRight = "右", kLeft = "左", kAbove = "上", kBelow = "下";

constexpr std::string_view kNoImageOnBench = "像はできません";

// The mark: a cross this far from its middle each way, in the colour of a pupil's pencil, with
// a dark halo a pixel wide on each side, so that it stands out on the dark bench and on the
// light screen card alike.
constexpr float kMarkArm = 90;
constexpr Rgb kMarkColour = 0x80FF80, kHalo = 0x000000;
constexpr float kHaloWidth = 15;
// The words beside the mark: one line, on a dark card, this far from it.
constexpr float kWordsHeight = 255, kWordsGap = 60;

// What a prediction hides: the image, its label, the screen it falls on and the rays that show
// where it forms.
constexpr std::array kHidden{Window::ids::real_image,  Window::ids::virtual_image,
                             Window::ids::image_label, Window::ids::screen_card,
                             Window::ids::rays[0],     Window::ids::rays[1],
                             Window::ids::rays[2],     Window::ids::rays[3]};

}  // namespace

void Prediction::ask(bool on) {
    asked_ = on;
    answer_ = false;
    mark_.reset();
}

void Prediction::put_mark(BenchPoint p) {
    if (!asked_) return;
    mark_ = p;
    answer_ = false;
}

BenchPoint Prediction::nudged(const Window& w, int across, int down) const {
    const BenchPoint from = mark_.value_or(BenchPoint{w.bench.lensx, w.bench.axisy});
    const float quarter = w.bench.unit / 4;
    return {from.x + static_cast<float>(across) * quarter,
            from.y + static_cast<float>(down) * quarter};
}

void Prediction::carry_mark(const Window& from, const Window& to) {
    if (!mark_) return;
    const float across = (mark_->x - from.bench.lensx) / from.bench.unit,
                down = (mark_->y - from.bench.axisy) / from.bench.unit;
    mark_ =
        BenchPoint{to.bench.lensx + across * to.bench.unit, to.bench.axisy + down * to.bench.unit};
}

void Prediction::show_answer() {
    if (asked_) answer_ = true;
}

bool moves_image(const BenchState& before, const BenchState& after) {
    return before.sdist != after.sdist || before.slift != after.slift || before.flen != after.flen;
}

bool Prediction::hides(int item) const {
    return asked_ && !answer_ && std::find(kHidden.begin(), kHidden.end(), item) != kHidden.end();
}

std::optional<BenchPoint> image_tip(const Window& w) {
    const Item& real = w[Window::ids::real_image];
    const Item& virt = w[Window::ids::virtual_image];
    if (real.visible) return BenchPoint{real.left + real.width / 2, real.top + real.height};
    if (virt.visible) return BenchPoint{virt.left + virt.width / 2, virt.top};
    return std::nullopt;
}

std::optional<float> squares_off(const Window& w, const Prediction& p) {
    const auto tip = image_tip(w);
    if (!p.answer_shown() || !p.mark() || !tip) return std::nullopt;
    return std::hypot(tip->x - p.mark()->x, tip->y - p.mark()->y) / w.bench.unit;
}

namespace {

// A line with its halo: the dark line either side of it first, then the line.
void halo_line(Drawing& out, float x1, float y1, float x2, float y2) {
    const bool flat = std::fabs(x2 - x1) >= std::fabs(y2 - y1);
    for (const float d : {-kHaloWidth, kHaloWidth}) {
        const float dx = flat ? 0 : d, dy = flat ? d : 0;
        out.push_back(Line{-1, x1 + dx, y1 + dy, x2 + dx, y2 + dy, kHalo});
    }
    out.push_back(Line{-1, x1, y1, x2, y2, kMarkColour});
}

// About how wide a line of words is drawn at the default size: a Latin letter or digit about
// seven pixels, any other character twelve.
float words_width(std::string_view words) {
    float pixels = 0;
    for (unsigned char c : words) {
        if (c < 0x80) {
            pixels += 7;
        } else if ((c & 0xC0) != 0x80) {
            pixels += 12;
        }
    }
    return (pixels + 8) * kTwipsPerPixel;
}

bool inside(const Box& b, float x, float y) {
    return x >= b.left && x <= b.left + b.width && y >= b.top && y <= b.top + b.height;
}

bool overlaps(const Box& a, const Box& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

// Whether a segment crosses a box: an end inside, or a crossing of one of its edges.
bool crosses(const Box& b, float x1, float y1, float x2, float y2) {
    if (inside(b, x1, y1) || inside(b, x2, y2)) return true;
    const auto cross = [](float ax, float ay, float bx, float by, float cx, float cy, float dx,
                          float dy) {
        const auto side = [](float px, float py, float qx, float qy, float rx, float ry) {
            return (qx - px) * (ry - py) - (qy - py) * (rx - px);
        };
        return side(ax, ay, bx, by, cx, cy) * side(ax, ay, bx, by, dx, dy) < 0 &&
               side(cx, cy, dx, dy, ax, ay) * side(cx, cy, dx, dy, bx, by) < 0;
    };
    const float l = b.left, t = b.top, r = b.left + b.width, bottom = b.top + b.height;
    return cross(x1, y1, x2, y2, l, t, r, t) || cross(x1, y1, x2, y2, l, bottom, r, bottom) ||
           cross(x1, y1, x2, y2, l, t, l, bottom) || cross(x1, y1, x2, y2, r, t, r, bottom);
}

// Where the words go: of a few places around `at`, near ones first, the first that stays on
// the bench and clear of every line and picture drawn (the mark's own line, the flame, the
// labels, the rays); where none is, the one that meets the fewest.
Box words_box(const Window& w, const Drawing& drawn, BenchPoint at, float width) {
    const Item& bench = w[Window::ids::bench_area];
    const float h = kWordsHeight;
    const auto meets = [&](const Box& b) {
        if (b.left < 0 || b.top < 0 || b.left + b.width > bench.width ||
            b.top + b.height > bench.height) {
            return 1000;
        }
        int count = 0;
        for (const Primitive& p : drawn) {
            if (const auto* line = std::get_if<Line>(&p)) {
                const bool ray =
                    std::find(std::begin(Window::ids::rays), std::end(Window::ids::rays),
                              line->item) != std::end(Window::ids::rays);
                // The axis, the lens line, the grid: the words may lie on them.
                if ((line->item < 0 || ray) && crosses(b, line->x1, line->y1, line->x2, line->y2))
                    ++count;
            } else if (const auto* picture = std::get_if<Picture>(&p)) {
                count += overlaps(b, picture->box);
            } else if (const auto* text = std::get_if<Text>(&p)) {
                count += overlaps(b, text->box);
            }
        }
        return count;
    };
    std::optional<Box> best;
    int fewest = 0;
    for (const float reach : {kMarkArm + kWordsGap, 3 * kMarkArm + kWordsGap, 6 * kMarkArm}) {
        const Box places[] = {{at.x + reach, at.y - reach - h, width, h},
                              {at.x - reach - width, at.y - reach - h, width, h},
                              {at.x + reach, at.y + reach, width, h},
                              {at.x - reach - width, at.y + reach, width, h},
                              {at.x + reach, at.y - h / 2, width, h},
                              {at.x - reach - width, at.y - h / 2, width, h},
                              {at.x - width / 2, at.y - reach - h, width, h},
                              {at.x - width / 2, at.y + reach, width, h}};
        for (const Box& b : places) {
            const int count = meets(b);
            if (count == 0) return b;
            if (!best || count < fewest) {
                best = b;
                fewest = count;
            }
        }
    }
    return *best;
}

}  // namespace

void draw_lesson(const Window& w, const Prediction& p, const Translate& translate, Drawing& out,
                 std::string& words) {
    draw_bench(w, out);
    add_prediction(w, p, translate, out, words);
}

void add_prediction(const Window& w, const Prediction& p, const Translate& translate, Drawing& out,
                    std::string& words, bool pupils_screen) {
    if (!p.asked()) return;
    std::erase_if(out, [&](const Primitive& prim) {
        if (pupils_screen && item_of(prim) == Window::ids::screen_card) {
            return p.hides(item_of(prim)) && std::holds_alternative<Raster>(prim);
        }
        return p.hides(item_of(prim));
    });
    if (p.answer_shown() && !image_tip(w)) {
        // No image: said on the bench, above the lens, where the pupil looks for one.
        words = translate(kNoImageOnBench);
        const float width = words_width(words);
        const Item& lens = w[Window::ids::lens];
        const Box at{w.bench.lensx - width / 2, lens.top - 2 * kWordsHeight, width, kWordsHeight};
        out.push_back(FilledRect{at, kHalo});
        out.push_back(Text{-1, at, words, kMarkColour, Font{}, Align::centre});
    }
    if (!p.mark()) return;
    const BenchPoint m = *p.mark();
    halo_line(out, m.x - kMarkArm, m.y - kMarkArm, m.x + kMarkArm, m.y + kMarkArm);
    halo_line(out, m.x - kMarkArm, m.y + kMarkArm, m.x + kMarkArm, m.y - kMarkArm);
    const auto off = squares_off(w, p);
    if (!off) return;
    const BenchPoint tip = *image_tip(w);
    halo_line(out, m.x, m.y, tip.x, tip.y);
    words = squares_words(*off, translate);
    const Box at = words_box(w, out, m, words_width(words));
    out.push_back(FilledRect{at, kHalo});
    out.push_back(Text{-1, at, words, kMarkColour, Font{}, Align::centre});
}

std::string describe_lesson(const Window& w, const Prediction& p, const Translate& translate) {
    if (!p.asked()) return describe_scene(w, translate);
    if (!p.answer_shown()) {
        std::string text = translate(kPredict) + ' ' + describe_candle_and_lens(w, translate);
        if (p.mark()) {
            // Where the mark is, for a pupil who moves it with the keys and cannot see it.
            const float across = (p.mark()->x - w.bench.lensx) / w.bench.unit,
                        up = (w.bench.axisy - p.mark()->y) / w.bench.unit;
            const bool on_axis = spoken_number(up) == "0";
            text +=
                ' ' + with_numbers(
                          translate(on_axis ? kMarkOnAxis : kMarkAt),
                          {translate(across < 0 ? kLeft : kRight), squares_words(across, translate),
                           translate(up < 0 ? kBelow : kAbove), squares_words(up, translate)});
        }
        return text;
    }
    std::string text = describe_scene(w, translate);
    if (!image_tip(w)) return text;
    text += ' ';
    if (const auto off = squares_off(w, p)) {
        text += with_numbers(translate(kMarkOff), {squares_words(*off, translate)});
    } else {
        text += translate(kNoMark);
    }
    return text;
}

std::vector<std::string_view> prediction_texts() {
    return {kPredict, kMarkOff, kNoMark, kMarkAt, kMarkOnAxis,
            kRight,   kLeft,    kAbove,  kBelow,  kNoImageOnBench};
}

}  // namespace korru
