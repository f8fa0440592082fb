// SPDX-License-Identifier: MIT
// The projector's look: what it makes of the bench's drawing on screens from a laptop's to a
// classroom's 4K, how a scene's text carries it, and the smooth pictures it draws.
#include "bench/look.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "bench/pictures.h"
#include "lesson/session.h"
#include "support.h"

namespace korru {
namespace {

std::string as_written(std::string_view text) {
    return std::string(text);
}

TEST(Contrast, IsMeasuredAsTheWebMeasuresItAndMadeWhereItIsShort) {
    EXPECT_NEAR(contrast_ratio(0x000000, 0xFFFFFF), 21, 1e-9);
    EXPECT_NEAR(contrast_ratio(0x777777, 0xFFFFFF), 4.48, 0.01);
    // The window's red labels on its dark bench, and its white image on the light screen card.
    EXPECT_NEAR(contrast_ratio(0xFF0000, 0x404040), 2.6, 0.05);
    EXPECT_LT(contrast_ratio(0xFFFFFF, 0xE0E0E0), 1.4);
    // Every colour of a coarse cube, on dark, middle and light grounds: enough contrast, and
    // unchanged where it had it already.
    for (Rgb back : {0x000000u, 0x404040u, 0x808080u, 0xE0E0E0u, 0xFFFFE1u}) {
        for (Rgb r = 0; r < 256; r += 51) {
            for (Rgb g = 0; g < 256; g += 51) {
                for (Rgb b = 0; b < 256; b += 51) {
                    const Rgb c = r << 16 | g << 8 | b;
                    const Rgb made = readable_on(c, back, kTextContrast);
                    EXPECT_GE(contrast_ratio(made, back), kTextContrast) << std::hex << c;
                    if (contrast_ratio(c, back) >= kTextContrast) {
                        EXPECT_EQ(made, c);
                    }
                }
            }
        }
    }
}

struct LookCase {
    const char* name;
    int width, height;  // the screen, pixels
    const char* scene;
    bool mark;  // a prediction marked below the image's tip and answered
};

void PrintTo(const LookCase& c, std::ostream* os) {
    *os << c.name << " at " << c.width << "x" << c.height;
}

class ProjectorLook : public testing::TestWithParam<LookCase> {};

// Every text on top, in a halo of the bench's colour, in a colour that reads on it, its capitals
// a fortieth of the bench high; every line but the grid's at least two pixels; the pictures
// smooth and the real image outlined; and nothing of the window's drawing lost. (The window's
// own look is held by the painted bench's tests: one pixel's lines, blocky pictures.)
TEST_P(ProjectorLook, MakesTheWholeBenchReadableFromTheBackOfTheRoom) {
    const LookCase& c = GetParam();
    Window w;
    Session s(w, as_written);
    s.start_scene(ScreenSize::from_pixels(c.width, c.height), c.scene);
    ASSERT_EQ(s.look(), BenchLook::projector);
    if (c.mark) {
        s.act(LessonAction::predict);
        s.put_mark({w.bench.lensx + 6 * w.bench.unit, w.bench.axisy + 2 * w.bench.unit});
        s.act(LessonAction::show_answer);
    }
    const Drawing looked = s.bench_drawing();
    s.set_look(BenchLook::window);
    const Drawing plain = s.bench_drawing();

    const auto& bench = std::get<FilledRect>(looked.front());
    const int bench_px = pixel_box(bench.box).height;
    const ProjectorSizes sizes = projector_sizes(bench_px);
    EXPECT_GE(sizes.text * 0.68, bench_px / 40.0);
    EXPECT_GE(sizes.line, 2);

    std::size_t texts = 0, first_text = looked.size();
    for (std::size_t i = 0; i < looked.size(); ++i) {
        if (const auto* t = std::get_if<Text>(&looked[i])) {
            ++texts;
            first_text = std::min(first_text, i);
            EXPECT_EQ(t->pixels, sizes.text);
            EXPECT_EQ(t->halo_colour, bench.colour);
            EXPECT_GE(t->halo, 4);
            EXPECT_GE(contrast_ratio(t->colour, t->halo_colour), kTextContrast) << t->text;
        } else if (const auto* l = std::get_if<Line>(&looked[i])) {
            const std::string_view name = l->item < 0 ? "" : kItems[l->item].name;
            const bool grid = name.size() == 3 && name[0] == 'L';
            EXPECT_EQ(l->width, grid ? 1 : sizes.line) << name;
        } else if (const auto* p = std::get_if<Picture>(&looked[i])) {
            EXPECT_TRUE(p->smooth);
            EXPECT_EQ(p->outline_width > 0, p->item == Window::ids::real_image);
            if (p->outline_width > 0) {
                EXPECT_GE(contrast_ratio(p->outline, kItems[Window::ids::screen_card].look.back),
                          kOutlineContrast);
            }
        }
        if (i > first_text) {
            EXPECT_TRUE(std::holds_alternative<Text>(looked[i]))
                << "a text lies under item " << item_of(looked[i]);
        }
    }
    // The same things drawn, the texts' own plates given way to the look's halos.
    std::size_t plain_texts = 0, plain_plates = 0, others = 0;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        if (std::holds_alternative<Text>(plain[i])) {
            ++plain_texts;
            if (std::holds_alternative<FilledRect>(plain[i - 1])) ++plain_plates;
        }
        others += !std::holds_alternative<Text>(plain[i]);
    }
    EXPECT_EQ(texts, plain_texts);
    EXPECT_EQ(looked.size() - texts, others - plain_plates);
    EXPECT_GT(texts, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ProjectorLook,
    testing::Values(LookCase{"real_image", 1024, 768, "projector.kosen.syoten.hogan", false},
                    LookCase{"real_image", 1920, 1080, "projector.kosen.syoten.hogan", false},
                    LookCase{"real_image", 3840, 2160, "projector.kosen.syoten.hogan", false},
                    LookCase{"virtual_image", 1920, 1080, "kosen.syoten.mr*28.projector", false},
                    LookCase{"answered", 1920, 1080, "projector.syoten", true},
                    LookCase{"answered", 3840, 2160, "projector.kosen.mr*4", true}),
    [](const testing::TestParamInfo<LookCase>& info) {
        return std::string(info.param.name) + "_" + std::to_string(info.param.height);
    });

// The labels grow away from what they name, and stand a halo's width further from it: the
// candle's to the left, the focal points' about their crosses, the image's to the right.
TEST(ProjectorLook, GrowsEachLabelAwayFromWhatItNames) {
    Window w;
    Session s(w, as_written);
    s.start_scene(ScreenSize::from_pixels(1920, 1080), "projector.syoten");
    float away = 0;  // a halo's width, twips
    const auto box_of = [&](const Drawing& d, int item) {
        for (const Primitive& p : d) {
            if (const auto* t = std::get_if<Text>(&p); t && t->item == item) {
                away = static_cast<float>(t->halo) * kTwipsPerPixel;
                return t->box;
            }
        }
        ADD_FAILURE() << "no text of item " << item;
        return Box{};
    };
    const Drawing looked = s.bench_drawing();
    const Box source = box_of(looked, Window::ids::source_label),
              focal = box_of(looked, Window::ids::focal_labels[0]),
              image = box_of(looked, Window::ids::image_label);
    const Item& src = w.source_label();
    const Item& ft = w.focal_label(0);
    const Item& img = w.image_label();
    EXPECT_FLOAT_EQ(source.left + source.width, src.left + src.width - away);
    EXPECT_FLOAT_EQ(focal.left + focal.width / 2, ft.left + ft.width / 2);
    EXPECT_FLOAT_EQ(image.left, img.left + away);
    EXPECT_GT(image.width, img.width * 2);
    EXPECT_FLOAT_EQ(image.top, img.top);
}

// A scene's text carries the look: copied in it, opened into it; a text without it (every link
// handed out before) opens as it always did and leaves the look as the room has it.
TEST(ProjectorLook, IsCarriedByTheSceneAndOldScenesStillOpen) {
    Window w;
    Session s(w, as_written);
    s.start(ScreenSize::from_pixels(1366, 768));
    EXPECT_EQ(s.look(), BenchLook::window);
    for (Click c : {Click::kosen, Click::mr, Click::mr}) s.make(c);
    EXPECT_EQ(*s.scene_to_copy().scene, "kosen.mr*2");
    EXPECT_TRUE(s.set_look(BenchLook::projector).bench);
    EXPECT_FALSE(s.set_look(BenchLook::projector).bench);
    const std::string copied = *s.scene_to_copy().scene;
    EXPECT_EQ(copied, "projector.kosen.mr*2");

    Window there;
    Session other(there, as_written);
    other.start_scene(ScreenSize::from_pixels(1366, 768),
                      "https://school.example/korru.html?lang=en#" + copied);
    EXPECT_EQ(other.look(), BenchLook::projector);
    EXPECT_EQ(other.steps(), s.steps());
    EXPECT_EQ(*other.scene_to_copy().scene, copied);

    // An old link: its steps, and the room's look stays.
    EXPECT_FALSE(other.open("kosen.mr*3").notice);
    EXPECT_EQ(other.look(), BenchLook::projector);
    EXPECT_EQ(other.steps().size(), 4u);
    Window plain;
    Session old(plain, as_written);
    old.start_scene(ScreenSize::from_pixels(1366, 768), "kosen.mr*2");
    EXPECT_EQ(old.look(), BenchLook::window);
    EXPECT_EQ(old.json(), s.json()) << "the look is no part of the window's numbers";

    EXPECT_TRUE(read_scene("projector").projector);
    EXPECT_TRUE(read_scene("projector").steps.empty());
    EXPECT_EQ(read_scene("projector*2").fault, SceneFault::unknown_click);
    EXPECT_EQ(read_scene("kosen.projectors").fault, SceneFault::unknown_click);
    EXPECT_FALSE(read_scene("kosen").projector);
}

// The colours of a picture's pixels, without the clear ones.
std::set<std::uint32_t> colours(const Rgba& px) {
    std::set<std::uint32_t> out;
    for (std::size_t i = 0; i + 3 < px.bytes.size(); i += 4) {
        if (px.bytes[i + 3] == 0) continue;
        out.insert(
            static_cast<std::uint32_t>(px.bytes[i] << 16 | px.bytes[i + 1] << 8 | px.bytes[i + 2]));
    }
    return out;
}

// Stretched pixel by pixel as long as a candle's pixel covers no more than kBlockyStretch
// device pixels down (every size the window drew before), smoothly beyond; the outline dark
// round the candle's body against the screen card.
TEST(SmoothPicture, IsSmoothWhereBlocksWouldShowAndOutlinedWhereAsked) {
    const Rgba& candle = picture_pixels("candle");
    // On a bench where the candle stands 3 and 3.1 times its picture's height, at a ratio of 1
    // and 2; a large image on the first bench is still stretched as it was.
    Picture pic{Window::ids::source,
                {},
                "candle",
                false,
                false,
                static_cast<float>(candle.height * kBlockyStretch) * kTwipsPerPixel};
    EXPECT_FALSE(drawn_smoothly(pic, 1));
    EXPECT_TRUE(drawn_smoothly(pic, 1.05));
    pic.box.height = pic.scale * 4;
    EXPECT_FALSE(drawn_smoothly(pic, 1));
    pic.scale = 58 * kTwipsPerPixel;
    EXPECT_FALSE(drawn_smoothly(pic, 2));
    EXPECT_TRUE(drawn_smoothly(pic, 2.1));
    pic.smooth = true;
    EXPECT_TRUE(drawn_smoothly(pic, 1));

    const Rgba big = smooth_picture(pic, candle.width * 5, candle.height * 5, 1);
    EXPECT_EQ(big.width, candle.width * 5);
    EXPECT_GT(colours(big).size(), 4 * colours(candle).size()) << "no blocks of one colour";
    // Turned: the same pixels given a half turn.
    Picture turned = pic;
    turned.turned = true;
    const Rgba down = smooth_picture(turned, big.width, big.height, 1);
    EXPECT_TRUE(std::equal(down.bytes.begin(), down.bytes.begin() + 4, big.bytes.end() - 4));

    turned.outline = 0x202020;
    turned.outline_width = 1;
    const Rgba outlined = smooth_picture(turned, big.width, big.height, 2);
    // Across the body's middle: clear, then the outline, then the white body.
    const std::size_t row = static_cast<std::size_t>(big.height / 3) * big.width * 4;
    int dark = 0;
    for (int x = 0; x < big.width / 2; ++x) {
        const std::uint8_t* p = &outlined.bytes[row + static_cast<std::size_t>(x) * 4];
        if (p[3] == 255 && p[0] == 0x20) ++dark;
    }
    EXPECT_EQ(dark, 2) << "an outline two device pixels wide at a ratio of 2";
}

}  // namespace
}  // namespace korru
