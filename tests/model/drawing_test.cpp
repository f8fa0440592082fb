// SPDX-License-Identifier: MIT
// The bench drawing: what is drawn, where and in what order, for the real, virtual and no-image
// cases, with and without the overlays.
#include "bench/drawing.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support.h"

namespace korru {
namespace {

using ids = Window::ids;

// The primitive that draws `item`, or null when it is not drawn.
template <class T>
const T* drawn(const Drawing& d, int item) {
    for (const Primitive& p : d) {
        if (item_of(p) == item) return std::get_if<T>(&p);
    }
    return nullptr;
}

void expect_box(const Box& box, const Item& it) {
    EXPECT_EQ(box.left, it.left);
    EXPECT_EQ(box.top, it.top);
    EXPECT_EQ(box.width, it.width);
    EXPECT_EQ(box.height, it.height);
}

struct Case {
    test::Lesson lesson;
    int image;  // the picture of the image, -1 for none
    const char* label;
};

void PrintTo(const Case& c, std::ostream* os) {
    PrintTo(c.lesson, os);
}

class DrawnImage : public testing::TestWithParam<Case> {};

// The candle, the image as a picture of the candle (turned for a real image) with its label in
// red, and the background first; nothing of the other case.
TEST_P(DrawnImage, ShowsTheCaseInForceAndNothingOfTheOthers) {
    Window w = test::after(GetParam().lesson);
    const Drawing d = draw_bench(w);

    const auto* background = std::get_if<FilledRect>(&d.front());
    ASSERT_NE(background, nullptr);
    EXPECT_EQ(background->colour, 0x404040u);
    EXPECT_EQ(std::make_tuple(background->box.left, background->box.top, background->box.width,
                              background->box.height),
              std::make_tuple(0.0f, 0.0f, w.bench_area().width, w.bench_area().height));

    const auto* source = drawn<Picture>(d, ids::source);
    ASSERT_NE(source, nullptr);
    EXPECT_EQ(source->name, "candle");
    EXPECT_FALSE(source->turned);
    expect_box(source->box, w.source());

    for (int image : {ids::real_image, ids::virtual_image}) {
        const auto* picture = drawn<Picture>(d, image);
        ASSERT_EQ(picture != nullptr, image == GetParam().image) << item_label(kItems[image]);
        if (!picture) continue;
        EXPECT_EQ(picture->turned, image == ids::real_image);
        expect_box(picture->box, w[image]);
    }
    const auto* label = drawn<Text>(d, ids::image_label);
    ASSERT_EQ(label != nullptr, GetParam().image >= 0);
    if (label) {
        EXPECT_EQ(label->text, GetParam().label);
        EXPECT_EQ(label->colour, 0xFF0000u);
        expect_box(label->box, w.image_label());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DrawnImage,
    testing::Values(
        Case{{"real", {}}, ids::real_image, "像"},
        Case{{"virtual", {{Click::smove_large, 1}, {Click::mr, 25}}}, ids::virtual_image, "虚像"},
        Case{{"no_image", {{Click::smove_large, 1}, {Click::mr, 24}}}, -1, nullptr}),
    test::lesson_name);

// With every overlay shown every bench item but the image of the other case is drawn, from the
// last row of the table to the first, so the first lies on top; each in its kind, look and
// current place.
TEST(Drawing, WithEverythingShownListsTheBenchItemsBottomUp) {
    Window w = test::started();
    for (Click c : {Click::kosen, Click::syoten, Click::hogan}) click(w, c);
    const Drawing d = draw_bench(w);
    ASSERT_EQ(d.size(), 1u + 74u);
    for (std::size_t i = 2; i < d.size(); ++i) EXPECT_LT(item_of(d[i]), item_of(d[i - 1]));
    EXPECT_EQ(item_of(d[1]), ids::screen_card);
    EXPECT_EQ(item_of(d.back()), ids::rays[3]);

    const auto* lens = drawn<Shape>(d, ids::lens);
    ASSERT_NE(lens, nullptr);
    EXPECT_EQ(lens->kind, ShapeKind::oval);
    EXPECT_EQ(lens->fill, 0xC0FFFFu);
    EXPECT_EQ(lens->outline, 0x000000u);
    expect_box(lens->box, w.lens());
    const auto* card = drawn<Shape>(d, ids::screen_card);
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->kind, ShapeKind::rectangle);
    expect_box(card->box, w.screen_card());

    const auto* ray = drawn<Line>(d, ids::rays[2]);
    ASSERT_NE(ray, nullptr);
    EXPECT_EQ(ray->colour, 0xFFFF80u);
    EXPECT_EQ(std::make_tuple(ray->x1, ray->y1, ray->x2, ray->y2),
              std::make_tuple(w.ray(2).x1, w.ray(2).y1, w.ray(2).x2, w.ray(2).y2));
    const auto* mark = drawn<Text>(d, ids::focal_labels[1]);
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->text, "焦点");
    EXPECT_EQ(mark->colour, 0xFFC0FFu);
}

// Hidden items are left out, and the drawing follows the window: the screen card, rays, marks
// and grid come and go with their check boxes.
TEST(Drawing, LeavesOutWhatIsHidden) {
    Window w = test::started();
    const auto count = [&] { return draw_bench(w).size(); };
    // Background, axis, lens line, lens, screen card, candle, its label, image and image label.
    EXPECT_EQ(count(), 9u);
    click(w, Click::sukurin);
    EXPECT_EQ(count(), 8u);
    EXPECT_EQ(drawn<Shape>(draw_bench(w), ids::screen_card), nullptr);
    click(w, Click::kosen);
    EXPECT_EQ(count(), 12u);
    click(w, Click::syoten);
    EXPECT_EQ(count(), 18u);
    click(w, Click::hogan);
    EXPECT_EQ(count(), 74u);

    Drawing reused = draw_bench(w);
    click(w, Click::hogan);
    draw_bench(w, reused);
    EXPECT_EQ(reused.size(), 18u);
}

}  // namespace
}  // namespace korru
