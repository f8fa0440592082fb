// SPDX-License-Identifier: MIT
// The bench's labels fitted to their words: at every place of the candle, with either lens and
// the focal points shown, on screens from a phone's to a 4K one, words of any width get a box as
// wide as they are and lie clear of one another and of the flames (the candle's and its
// image's); words that fit where nothing is in their way (the Japanese on the window's own
// screens) leave the drawing as it was.
#include "bench/labels.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support.h"

namespace korru {
namespace {

using ids = Window::ids;

// Words as wide as their characters at the window's 12 pixels, `em` of an em each: the
// Japanese's two characters (an em each), or an English word's letters.
struct Words {
    const char* name;
    float japanese_em, latin_per_label;  // ems of a character; letters of each label
};

void PrintTo(const Words& w, std::ostream* os) {
    *os << w.name;
}

float characters(std::string_view utf8) {
    float n = 0;
    for (const char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

WordsWidth width_for(const Words& w) {
    return [w](const Text& t) {
        const float em = 12 * kTwipsPerPixel;
        if (w.latin_per_label == 0) return characters(t.text) * w.japanese_em * em;
        return w.latin_per_label * 0.6f * em;
    };
}

std::vector<Box> flames(const Drawing& d) {
    std::vector<Box> out;
    for (const Primitive& p : d) {
        if (const auto* pic = std::get_if<Picture>(&p)) {
            const float flame = pic->box.height * 15 / 39;
            out.push_back({pic->box.left,
                           pic->turned ? pic->box.top + pic->box.height - flame : pic->box.top,
                           pic->box.width, flame});
        }
    }
    return out;
}

bool overlap(const Box& a, const Box& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

bool is_label(int item) {
    return item == ids::source_label || item == ids::image_label || item == ids::focal_labels[0] ||
           item == ids::focal_labels[1];
}

class Labels : public testing::TestWithParam<Words> {};

TEST_P(Labels, HoldTheirWordsClearOfEachOtherAndTheFlame) {
    const Words words = GetParam();
    const WordsWidth width_of = width_for(words);
    for (const auto& [w_px, h_px] : std::vector<std::pair<int, int>>{
             {390, 844}, {844, 390}, {640, 480}, {1024, 768}, {1366, 768}, {3840, 2160}}) {
        for (const bool long_lens : {false, true}) {
            Window w = test::started(w_px, h_px);
            click(w, Click::syoten);
            if (long_lens) click(w, Click::fmove_long);
            test::clicks(w, Click::mr, 200);
            for (float last = -1; w.bench.sdist != last; click(w, Click::ml)) {
                last = w.bench.sdist;
                const Drawing before = draw_bench(w);
                Drawing d = before;
                fit_labels(d, width_of);
                std::ostringstream where;
                where << w_px << "x" << h_px << (long_lens ? " f = 6" : " f = 4")
                      << ", a = " << w.bench.sdist / w.bench.unit;
                std::vector<Box> taken = flames(d), was_taken = flames(before);
                bool moved = false, clear_before = true;
                for (std::size_t i = 0; i < d.size(); ++i) {
                    const auto* t = std::get_if<Text>(&d[i]);
                    if (!t || !is_label(t->item)) continue;
                    const Box ink{t->box.left, t->box.top, width_of(*t), t->box.height};
                    EXPECT_GE(t->box.width, ink.width) << where.str();
                    for (const Box& b : taken) {
                        ASSERT_FALSE(overlap(ink, b)) << t->text << " at " << where.str();
                    }
                    taken.push_back(ink);
                    const Box& was = std::get<Text>(before[i]).box;
                    const Box was_ink{was.left, was.top, ink.width, was.height};
                    for (const Box& b : was_taken)
                        clear_before = clear_before && !overlap(was_ink, b);
                    was_taken.push_back(was_ink);
                    moved = moved || was.left != t->box.left || was.top != t->box.top ||
                            was.width != t->box.width;
                }
                // Japanese words, which fit their boxes, stay where the window puts them wherever
                // they lie clear there, as they do on the window's own screens but with the
                // candle within three squares of the lens.
                if (words.latin_per_label == 0 && clear_before) {
                    EXPECT_FALSE(moved) << where.str();
                }
                if (words.latin_per_label == 0 && w_px == 1024 &&
                    w.bench.sdist > 3 * w.bench.unit) {
                    EXPECT_TRUE(clear_before) << where.str();
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Bench, Labels,
                         testing::Values(Words{"japanese", 1, 0}, Words{"english", 0, 7},
                                         Words{"long_words", 0, 13}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace korru
