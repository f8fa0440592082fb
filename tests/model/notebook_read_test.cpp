// SPDX-License-Identifier: MIT
// A kept notebook's rows read back only where a bench could have made them: each limit tried
// with a row just inside it and one just outside, the numbers worked out here from the lens law,
// not taken from the reader. And the lesson's rules a face once kept for itself: which row "take
// a row out" takes, which shown rows a face keeps, the pupil's screen beside a row with no image,
// and a prediction alone leaving the snapshot's JSON the window's.
#include <gtest/gtest.h>

#include "lesson/notebook.h"
#include "lesson/session.h"
#include "support.h"
#include "window/scene_json.h"

namespace korru {
namespace {

std::string as_written(std::string_view text) {
    return std::string(text);
}

// A row as a bench makes it, the lens law worked out in double: a candle two squares high at
// `a`, the focal length `f`.
Measurement row(double a, double f) {
    Measurement m;
    m.candle_distance = static_cast<float>(a);
    m.candle_height = 2;
    m.focal_length = static_cast<float>(f);
    if (a == f) return m;
    const double b = a * f / (a - f);
    m.image = b > 0 ? ImageCase::real : ImageCase::virtual_image;
    m.image_distance = static_cast<float>(b);
    m.magnification = static_cast<float>(std::abs(b) / a);
    m.image_height = static_cast<float>(2 * std::abs(b) / a);
    return m;
}

template <typename Change>
Measurement changed(Measurement m, Change&& change) {
    change(m);
    return m;
}

struct Limit {
    const char* name;
    Measurement row;
    bool readable;
};

void PrintTo(const Limit& l, std::ostream* os) {
    *os << l.name;
}

class KeptRow : public testing::TestWithParam<Limit> {};

TEST_P(KeptRow, IsReadOnlyWhereABenchCouldHaveMadeIt) {
    Notebook n;
    n.add(7, GetParam().row);
    const StoredNotebook read = read_stored(n.stored());
    EXPECT_EQ(read.notebook.rows().size(), GetParam().readable ? 1u : 0u);
    EXPECT_EQ(read.damaged, !GetParam().readable);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, KeptRow,
    testing::Values(
        Limit{"nearest_candle", row(0.5, 4), true}, Limit{"nearer_still", row(0.49, 4), false},
        Limit{"farthest_candle", row(20, 4), true}, Limit{"farther_still", row(20.01, 6), false},
        Limit{"focal_length_6", row(10, 6), true}, Limit{"focal_length_5", row(10, 5), false},
        Limit{"focal_length_4_01", row(10, 4.01), false},
        Limit{"candle_too_tall",
              changed(row(10, 4), [](Measurement& m) { m.candle_height = 2.01f; }), false},
        Limit{"b_within_rounding",
              changed(row(10, 4), [](Measurement& m) { m.image_distance *= 1.0005f; }), true},
        Limit{"b_off_the_law",
              changed(row(10, 4), [](Measurement& m) { m.image_distance *= 1.002f; }), false},
        Limit{"virtual_b_unsigned",
              changed(row(3, 4), [](Measurement& m) { m.image_distance = -m.image_distance; }),
              false},
        Limit{"magnification_off",
              changed(row(10, 4), [](Measurement& m) { m.magnification *= 1.06f; }), false},
        Limit{"image_height_off",
              changed(row(10, 4), [](Measurement& m) { m.image_height *= 1.06f; }), false},
        Limit{"no_image_on_the_focal_point", row(4, 4), true},
        Limit{"no_image_off_it",
              changed(row(5, 4),
                      [](Measurement& m) {
                          m = Measurement{};
                          m.candle_distance = 5;
                          m.candle_height = 2;
                          m.focal_length = 4;
                      }),
              false},
        Limit{"real_inside_the_focal_length",
              changed(row(3, 4), [](Measurement& m) { m.image = ImageCase::real; }), false},
        Limit{"screen_nearest", changed(row(10, 4), [](Measurement& m) { m.screen = 0.25f; }),
              true},
        Limit{"screen_nearer", changed(row(10, 4), [](Measurement& m) { m.screen = 0.2f; }), false},
        Limit{"screen_farthest", changed(row(10, 4), [](Measurement& m) { m.screen = 20; }), true},
        Limit{"screen_farther", changed(row(10, 4), [](Measurement& m) { m.screen = 20.01f; }),
              false}),
    [](const testing::TestParamInfo<Limit>& info) { return std::string(info.param.name); });

TEST(LessonRules, RowTakenOutAndRowsKeptByAFace) {
    EXPECT_EQ(row_to_remove({}, std::nullopt), std::nullopt);
    EXPECT_EQ(row_to_remove({4, 9, 2}, std::nullopt), 2u);  // the newest
    EXPECT_EQ(row_to_remove({4, 9, 2}, 9u), 9u);
    EXPECT_EQ(row_to_remove({4, 2}, 9u), 2u);  // chosen, then taken out by another window
    // A face showing 4, 9, 2 keeps them all when a row is added, none when one is taken out.
    EXPECT_EQ(rows_kept({4, 9, 2}, {4, 9, 2, 5}), 3u);
    EXPECT_EQ(rows_kept({4, 9, 2}, {4, 2}), 0u);
    EXPECT_EQ(rows_kept({4, 9, 2}, {4, 9}), 0u);
}

TEST(LessonRules, TheScreenBesideARowWithNoImageAndThePredictionsJson) {
    Window w;
    Session s(w, as_written);
    // On the focal point, in the experiment: the row has no image, and where the screen stood.
    s.start(ScreenSize::from_pixels(1024, 768), read_scene("smove(0).mr*24.experiment").steps);
    ASSERT_EQ(measure(w).image, ImageCase::none);
    s.act(LessonAction::record);
    ASSERT_EQ(s.notebook().rows().size(), 1u);
    ASSERT_TRUE(s.notebook().rows()[0].screen);
    EXPECT_EQ(*s.notebook().rows()[0].screen, 10.0f);
    EXPECT_NE(s.notebook_csv().find("なし,"), std::string::npos);
    EXPECT_NE(s.notebook_csv().find(",10\r\n"), std::string::npos) << s.notebook_csv();

    // A prediction alone is no experiment: the JSON is the window's.
    Window v;
    Session p(v, as_written);
    p.start_scene(ScreenSize::from_pixels(1024, 768), "mr*3.predict");
    EXPECT_TRUE(p.answer_hidden());
    EXPECT_EQ(p.json(), scene_json(v, ScreenSize::from_pixels(1024, 768)));
}

}  // namespace
}  // namespace korru
