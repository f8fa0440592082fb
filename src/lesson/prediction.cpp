// SPDX-License-Identifier: MIT
// The prediction: what it hides, the mark, the answer in lines and in words.
#include "lesson/prediction.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace korru {

namespace {

constexpr std::string_view kPredict =
    "予想してください。像の先ができる所に印をつけ、答えを見ます。";
constexpr std::string_view kMarkOff = "予想の印は、像の先から %1 離れていました。";
constexpr std::string_view kNoMark = "予想の印はつけられていません。";
constexpr std::string_view kMarkAt = "予想の印は、レンズの%1 %2、光軸の%3 %4 の所にあります。";
constexpr std::string_view kMarkOnAxis = "予想の印は、レンズの%1 %2、光軸の上にあります。";
constexpr std::string_view kRight = "右", kLeft = "左", kAbove = "上", kBelow = "下";

// The mark: a cross this far from its middle each way, in the colour of a pupil's pencil.
constexpr float kMarkArm = 90;
constexpr Rgb kMarkColour = 0x80FF80;

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

void Prediction::nudge_mark(const Window& w, int across, int down) {
    if (!asked_) return;
    const BenchPoint from = mark_.value_or(BenchPoint{w.bench.lensx, w.bench.axisy});
    const float quarter = w.bench.unit / 4;
    put_mark({from.x + static_cast<float>(across) * quarter,
              from.y + static_cast<float>(down) * quarter});
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

bool Prediction::clicked(const BenchState& before, const BenchState& after) {
    if (!answer_) return false;
    answer_ =
        before.sdist == after.sdist && before.slift == after.slift && before.flen == after.flen;
    return !answer_;
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

void draw_lesson(const Window& w, const Prediction& p, const Translate& translate, Drawing& out,
                 std::string& words) {
    draw_bench(w, out);
    if (!p.asked()) return;
    std::erase_if(out, [&](const Primitive& prim) { return p.hides(item_of(prim)); });
    if (!p.mark()) return;
    const BenchPoint m = *p.mark();
    out.push_back(
        Line{-1, m.x - kMarkArm, m.y - kMarkArm, m.x + kMarkArm, m.y + kMarkArm, kMarkColour});
    out.push_back(
        Line{-1, m.x - kMarkArm, m.y + kMarkArm, m.x + kMarkArm, m.y - kMarkArm, kMarkColour});
    const auto off = squares_off(w, p);
    if (!off) return;
    const BenchPoint tip = *image_tip(w);
    out.push_back(Line{-1, m.x, m.y, tip.x, tip.y, kMarkColour});
    words = squares_words(*off, translate);
    out.push_back(Text{-1, Box{m.x + 2 * kMarkArm, m.y - 3 * kMarkArm, 1500, 255}, words,
                       kMarkColour, Font{}});
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
    return {kPredict, kMarkOff, kNoMark, kMarkAt, kMarkOnAxis, kRight, kLeft, kAbove, kBelow};
}

}  // namespace korru
