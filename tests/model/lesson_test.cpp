// SPDX-License-Identifier: MIT
// A lesson kept: a scene as a text and back, whole or not at all; a prediction that hides the
// answer until asked and measures how far the mark was; a notebook whose rows are the model's
// numbers and survive being kept; a plot whose points stand at those numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "lesson/notebook.h"
#include "lesson/plot.h"
#include "lesson/prediction.h"
#include "lesson/scene_text.h"
#include "support.h"
#include "window/scene_json.h"

namespace korru {
namespace {

std::string as_written(std::string_view text) {
    return std::string(text);
}

TEST(SceneText, ClicksBecomeAShortTextAndComeBackTheSame) {
    std::vector<Click> clicks{Click::kosen};
    clicks.insert(clicks.end(), 24, Click::mr);
    clicks.push_back(Click::fmove_long);
    clicks.insert(clicks.end(), 2, Click::hogan);
    EXPECT_EQ(scene_text(clicks), "kosen.mr*24.fmove(0).hogan*2");
    EXPECT_EQ(read_scene(scene_text(clicks)).clicks, clicks);
    // As a link may escape it, and with a line end pasted after it.
    EXPECT_EQ(read_scene("kosen.mr%2A24.fmove%280%29.hogan*2\n").clicks, clicks);
    EXPECT_TRUE(read_scene("").clicks.empty());
    EXPECT_EQ(read_scene("").fault, SceneFault::none);
    // The most clicks a scene holds, and a scene made on one screen opened on another.
    EXPECT_EQ(read_scene("ml*100000").clicks.size(), kMostSceneClicks);
    Window there = test::started(1366, 768), replayed = test::started(1366, 768);
    for (Click c : read_scene(scene_text(clicks)).clicks) click(there, c);
    for (Click c : clicks) click(replayed, c);
    EXPECT_EQ(scene_json(there, ScreenSize::from_pixels(1366, 768)),
              scene_json(replayed, ScreenSize::from_pixels(1366, 768)));
}

TEST(SceneText, AnythingNotUnderstoodMakesNoClickAndIsNamed) {
    const std::string huge(kLongestSceneText + 1, 'm');
    const struct {
        std::string text;
        SceneFault fault;
        std::string part;
    } hostile[] = {
        {"nosuch", SceneFault::unknown_click, "nosuch"},
        {"kosen.owari", SceneFault::unknown_click, "owari"},  // a scene never ends the program
        {"mr..ml", SceneFault::unknown_click, ""},
        {"MR", SceneFault::unknown_click, "MR"},
        {"mr*0", SceneFault::bad_count, "mr*0"},
        {"mr*", SceneFault::bad_count, "mr*"},
        {"mr*-3", SceneFault::bad_count, "mr*-3"},
        {"mr*1e3", SceneFault::bad_count, "mr*1e3"},
        {"mr*99999999999999999999", SceneFault::bad_count, "mr*99999999999999999999"},
        {"ml*100000.mr", SceneFault::too_many, ""},
        {"mr%2", SceneFault::bad_escape, "%2"},
        {"mr%zz", SceneFault::bad_escape, "%zz"},
        {"<script>alert(1)</script>", SceneFault::unknown_click, "<script>alert(1)</script>"},
        {huge, SceneFault::too_long, ""},
    };
    for (const auto& h : hostile) {
        SCOPED_TRACE(h.text.substr(0, 40));
        const SceneRead read = read_scene("kosen." + h.text);
        EXPECT_TRUE(read.clicks.empty());
        EXPECT_EQ(read.fault, h.fault);
        EXPECT_EQ(read.part, h.part.substr(0, 40) + (h.part.size() > 40 ? "…" : ""));
        EXPECT_NE(scene_fault_text(read, as_written), "");
    }
    // The line names the part, cut short where it is long.
    const SceneRead long_name = read_scene(std::string(100, 'x'));
    EXPECT_EQ(scene_fault_text(long_name, as_written),
              "場面の「" + std::string(40, 'x') + "…」が読めないため、はじめの状態から始めます。");
}

class Predict : public testing::Test {
  protected:
    Window w = test::started();
    Prediction p;
    Drawing d;
    std::string words;

    std::vector<int> drawn_items() {
        draw_lesson(w, p, as_written, d, words);
        std::vector<int> ids;
        for (const Primitive& prim : d) ids.push_back(item_of(prim));
        return ids;
    }
    bool drawn(int id) {
        const auto ids = drawn_items();
        return std::find(ids.begin(), ids.end(), id) != ids.end();
    }
    void clicked(Click c) {
        const BenchState before = w.bench;
        click(w, c);
        p.clicked(before, w.bench);
    }
};

TEST_F(Predict, TheAnswerIsHiddenUntilAskedForAndHiddenAgainByAMove) {
    click(w, Click::kosen);
    const auto all = drawn_items();
    p.ask(true);
    for (int id : {Window::ids::real_image, Window::ids::image_label, Window::ids::screen_card,
                   item_id("rl", 0), item_id("rl", 3)}) {
        EXPECT_FALSE(drawn(id)) << kItems[static_cast<std::size_t>(id)].name;
    }
    EXPECT_TRUE(drawn(Window::ids::source));
    EXPECT_TRUE(drawn(Window::ids::lens));
    // The words say where the candle is and the focal length, not where the image forms.
    const std::string said = describe_lesson(w, p, as_written);
    EXPECT_EQ(said.find("像はレンズ"), std::string::npos) << said;
    EXPECT_NE(said.find(describe_candle_and_lens(w, as_written)), std::string::npos);

    // The pupil marks a square below the image's tip and three to the left: five off.
    const BenchPoint tip = *image_tip(w);
    p.put_mark({tip.x - 3 * w.bench.unit, tip.y + 4 * w.bench.unit});
    p.show_answer();
    EXPECT_EQ(drawn_items().size(), all.size() + 4);  // the mark's cross, its line and its words
    EXPECT_FLOAT_EQ(*squares_off(w, p), 5);
    EXPECT_EQ(words, "5 マス");
    EXPECT_NE(describe_lesson(w, p, as_written).find("像の先から 5 マス 離れて"),
              std::string::npos);

    clicked(Click::hogan);  // the grid: the answer stays
    EXPECT_TRUE(p.answer_shown());
    clicked(Click::mr);
    EXPECT_FALSE(p.answer_shown());
    EXPECT_FALSE(drawn(Window::ids::real_image));
    p.show_answer();
    clicked(Click::fmove_long);
    EXPECT_FALSE(p.answer_shown());
    p.ask(false);
    drawn_items();
    EXPECT_EQ(d.size(), draw_bench(w).size());  // the window's bench as it is
}

TEST_F(Predict, KeysMoveTheMarkAndNoImageIsSaidSo) {
    p.ask(true);
    p.nudge_mark(w, 2, -1);
    EXPECT_FLOAT_EQ(p.mark()->x, w.bench.lensx + w.bench.unit / 2);
    EXPECT_FLOAT_EQ(p.mark()->y, w.bench.axisy - w.bench.unit / 4);
    // A pupil who cannot see the mark hears where it is.
    EXPECT_NE(describe_lesson(w, p, as_written)
                  .find("予想の印は、レンズの右 0.5 マス、光軸の上 0.25 マス の所にあります。"),
              std::string::npos);
    // On the focal point there is no image to have been near.
    click(w, Click::smove_large);
    test::clicks(w, Click::mr, 24);
    p.show_answer();
    EXPECT_FALSE(image_tip(w));
    EXPECT_FALSE(squares_off(w, p));
    EXPECT_EQ(describe_lesson(w, p, as_written), describe_scene(w, as_written));
}

TEST(Notebook, RowsAreTheModelsNumbersAndSurviveBeingKept) {
    Notebook n;
    Window w = test::started();
    n.record(w);                     // real, 16 squares away
    test::clicks(w, Click::mr, 50);  // 3.5 squares: virtual
    n.record(w);
    test::clicks(w, Click::ml, 2);  // 4: none
    n.record(w);
    ASSERT_EQ(n.rows().size(), 3u);
    const Measurement& real = n.rows()[0];
    EXPECT_EQ(real.image, ImageCase::real);
    EXPECT_FLOAT_EQ(real.candle_distance, 16);
    EXPECT_FLOAT_EQ(real.focal_length, 4);
    EXPECT_NEAR(real.image_distance, 16.0 * 4 / 12, 1e-4);
    EXPECT_NEAR(real.magnification, 1.0 / 3, 1e-2);
    EXPECT_NEAR(real.image_height, real.magnification * real.candle_height, 1e-2);
    EXPECT_EQ(n.rows()[1].image, ImageCase::virtual_image);
    EXPECT_NEAR(n.rows()[1].image_distance, 3.5 * 4 / 0.5, 1e-3);
    EXPECT_EQ(n.rows()[2].image, ImageCase::none);

    const std::string csv = n.csv(as_written);
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(csv.find("\r\n実像,16,2,4,5.33,レンズの右,0.67,0.33,倒立\r\n"), std::string::npos)
        << csv;
    EXPECT_NE(csv.find("\r\nなし,4,2,4,,,,,\r\n"), std::string::npos);
    EXPECT_NE(n.tab_separated(as_written).find("虚像\t3.5\t2\t4\t28\t光源の側\t16\t8\t正立\n"),
              std::string::npos);

    // Kept and read back exactly; anything else kept is refused whole.
    const auto back = Notebook::from_stored(n.stored());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->stored(), n.stored());
    EXPECT_EQ(back->rows()[1].image_distance, n.rows()[1].image_distance);
    EXPECT_TRUE(Notebook::from_stored("korru notebook 1\n")->rows().empty());
    std::string cut = n.stored();
    cut.pop_back();
    for (const std::string& bad :
         {std::string(), std::string("korru notebook 2\n"), cut,
          n.stored() + "real 41800000 40000000 40800000 00000000 00000000\n",
          n.stored() + "real 41800000 40000000 40800000 00000000 00000000 00000000 x\n",
          n.stored() + "sometimes 41800000 40000000 40800000 00000000 00000000 00000000\n",
          n.stored() + "real 7fc00000 40000000 40800000 00000000 00000000 00000000\n",
          n.stored() + "real 4180000g 40000000 40800000 00000000 00000000 00000000\n"}) {
        EXPECT_FALSE(Notebook::from_stored(bad)) << bad;
    }
}

TEST(Plot, PointsStandAtTheRowsValuesAndOnTheLawsLine) {
    Notebook n;
    Window w = test::started();
    for (int moves : {0, 16, 30, 50}) {
        test::clicks(w, Click::mr, moves);
        n.record(w);
    }
    click(w, Click::fmove_long);
    n.record(w);
    for (PlotView view : {PlotView::distances, PlotView::reciprocals}) {
        Drawing d;
        std::deque<std::string> words;
        draw_plot(n, view, 480, 360, as_written, d, words);
        const PlotFrame f = plot_frame(n, view, 480, 360);
        std::vector<std::pair<double, double>> points;
        for (const Primitive& prim : d) {
            if (const auto* s = std::get_if<Shape>(&prim)) {
                const double x = (s->box.left + s->box.width / 2) / kTwipsPerPixel,
                             y = (s->box.top + s->box.height / 2) / kTwipsPerPixel;
                points.emplace_back(
                    f.x_min + (x - f.area.left) / f.area.width * (f.x_max - f.x_min),
                    f.y_max - (y - f.area.top) / f.area.height * (f.y_max - f.y_min));
            }
        }
        std::vector<std::pair<double, double>> expected;
        for (const Measurement& m : n.rows()) {
            if (const auto p = plot_point(m, view)) expected.push_back(*p);
        }
        ASSERT_EQ(points.size(), expected.size());
        for (std::size_t i = 0; i < points.size(); ++i) {
            EXPECT_NEAR(points[i].first, expected[i].first, 1e-4);
            EXPECT_NEAR(points[i].second, expected[i].second, 1e-4);
        }
        if (view == PlotView::reciprocals) {
            // The model's images obey the law: 1/a + 1/b = 1/f.
            for (const Measurement& m : n.rows()) {
                if (const auto p = plot_point(m, view)) {
                    EXPECT_NEAR(p->first + p->second, 1 / m.focal_length, 1e-4);
                }
            }
        }
    }
}

}  // namespace
}  // namespace korru
