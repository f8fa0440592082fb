// SPDX-License-Identifier: MIT
// A lesson kept: a scene as a text and back, whole or not at all; a prediction that hides the
// answer until asked and measures how far the mark was from where the lens law puts the tip; a
// notebook whose rows are the model's numbers, signed as the law writes them, and survive being
// kept; a plot whose points and curves stand where the law says.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>
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

TEST(SceneText, StepsBecomeAShortTextAndComeBackTheSameFromATextOrALink) {
    std::vector<Step> steps{Click::kosen};
    steps.insert(steps.end(), 24, Click::mr);
    steps.push_back(Click::fmove_long);
    steps.insert(steps.end(), 2, Click::hogan);
    steps.push_back(LessonClick::predict);
    const std::string text = "kosen.mr*24.fmove(0).hogan*2.predict";
    EXPECT_EQ(scene_text(steps), text);
    // As written, as a link escapes it (in either case of hexadecimal), with a line end pasted
    // after it, and as the page's whole link.
    for (const std::string& form :
         {text, std::string("kosen.mr%2A24.fmove%280%29.hogan*2.predict\n"),
          std::string("kosen.mr%2a24.fmove%280%29.hogan%2a2.predict"),
          std::string("file:///home/t/korru.html#") + text,
          std::string("https://school.example/korru.html#kosen.mr*24.fmove(0).hogan*2.predict")}) {
        EXPECT_EQ(read_scene(form).steps, steps) << form;
    }
    EXPECT_TRUE(read_scene("").steps.empty());
    EXPECT_TRUE(read_scene("korru.html#").steps.empty());
    EXPECT_EQ(read_scene("").fault, SceneFault::none);
    EXPECT_EQ(read_scene("ml*100000").steps.size(), kMostSceneClicks);
}

TEST(SceneText, AnythingNotUnderstoodMakesNoStepAndIsNamed) {
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
        EXPECT_TRUE(read.steps.empty());
        EXPECT_EQ(read.fault, h.fault);
        EXPECT_EQ(read.part, h.part.substr(0, 40) + (h.part.size() > 40 ? "…" : ""));
        EXPECT_NE(scene_fault_text(read, as_written), "");
    }
    const SceneRead long_name = read_scene(std::string(100, 'x'));
    EXPECT_EQ(scene_fault_text(long_name, as_written),
              "場面の「" + std::string(40, 'x') + "…」が読めないため、はじめの状態から始めます。");
}

// Where the lens law puts the tip of the image's flame, in twips of the bench: the candle, two
// squares high, stands `a` squares left of the lens with its foot `lift` squares above the axis;
// its image stands at b = a f / (a - f), b/a times as large, turned over where b > 0.
BenchPoint law_tip(const Window& w) {
    const double unit = w.bench.unit, a = w.bench.sdist / unit, f = w.bench.flen / unit;
    const double lift = w.bench.slift / unit, b = a * f / (a - f);
    return {static_cast<float>(w.bench.lensx + b * unit),
            static_cast<float>(w.bench.axisy + b / a * (lift + 2) * unit)};
}

class Predict : public testing::Test {
  protected:
    Window w = test::started();
    Prediction p;
    Drawing d;
    std::string words;

    bool drawn(int id) {
        draw_lesson(w, p, as_written, d, words);
        return std::any_of(d.begin(), d.end(),
                           [id](const Primitive& prim) { return item_of(prim) == id; });
    }
    // A click, and the next prediction where it moved the image, as the lesson's flow has it.
    void clicked(Click c) {
        const BenchState before = w.bench;
        click(w, c);
        if (moves_image(before, w.bench)) p.ask(true);
    }
};

TEST_F(Predict, HidesTheImageRealOrVirtualItsRaysAndWordsUntilTheAnswer) {
    click(w, Click::kosen);
    click(w, Click::sukurin);
    p.ask(true);
    for (const int moves : {0, 50}) {  // 16 squares away: real; 3.5: virtual
        test::clicks(w, Click::mr, moves);
        for (int id :
             {Window::ids::real_image, Window::ids::virtual_image, Window::ids::image_label,
              Window::ids::screen_card, item_id("rl", 0), item_id("rl", 3)}) {
            EXPECT_FALSE(drawn(id)) << kItems[static_cast<std::size_t>(id)].name;
        }
        EXPECT_TRUE(drawn(Window::ids::source));
        const std::string said = describe_lesson(w, p, as_written);
        EXPECT_EQ(said.find("像はレンズ"), std::string::npos) << said;
        EXPECT_NE(said.find(describe_candle_and_lens(w, as_written)), std::string::npos);
    }
    p.show_answer();
    EXPECT_TRUE(drawn(Window::ids::virtual_image));
    p.ask(false);
    draw_lesson(w, p, as_written, d, words);
    EXPECT_EQ(d.size(), draw_bench(w).size());  // the window's bench as it is
}

// Every move of the candle and every change of the focal length hides the answer again; the
// grid, the rays and the step do not.
TEST_F(Predict, EachMoveOfTheCandleAndEachFocalLengthHidesTheAnswerAgain) {
    click(w, Click::smove_small);
    p.ask(true);
    for (Click c : {Click::hogan, Click::kosen, Click::smove_large, Click::ml, Click::mr, Click::mu,
                    Click::md, Click::fmove_long, Click::fmove_short}) {
        p.show_answer();
        clicked(c);
        const bool moves = c == Click::ml || c == Click::mr || c == Click::mu || c == Click::md ||
                           c == Click::fmove_long || c == Click::fmove_short;
        EXPECT_EQ(p.answer_shown(), !moves) << click_name(c);
    }
}

// The mark put where the lens law puts the tip is no distance from it; one square left of it
// and three below, the square root of ten. Real images, above and below the axis, and virtual.
TEST_F(Predict, HowFarTheMarkWasIsMeasuredFromTheTipTheLensLawGives) {
    const std::vector<std::vector<std::pair<Click, int>>> scenes{
        {}, {{Click::mu, 4}}, {{Click::md, 12}, {Click::fmove_long, 1}}, {{Click::mr, 50}}};
    for (const auto& scene : scenes) {
        w = test::started();
        for (auto [c, n] : scene) test::clicks(w, c, n);
        p.ask(true);
        const BenchPoint tip = law_tip(w);
        p.put_mark(tip);
        p.show_answer();
        EXPECT_NEAR(*squares_off(w, p), 0, 0.05);
        p.put_mark({tip.x - w.bench.unit, tip.y + 3 * w.bench.unit});
        p.show_answer();
        EXPECT_NEAR(*squares_off(w, p), std::sqrt(10.0), 0.05);
        EXPECT_NE(describe_lesson(w, p, as_written).find("像の先から 3.16 マス 離れて"),
                  std::string::npos);
    }
}

TEST_F(Predict, KeysMoveTheMarkAndNoImageIsSaidSo) {
    p.ask(true);
    p.put_mark(p.nudged(w, 2, -1));
    EXPECT_FLOAT_EQ(p.mark()->x, w.bench.lensx + w.bench.unit / 2);
    EXPECT_FLOAT_EQ(p.mark()->y, w.bench.axisy - w.bench.unit / 4);
    EXPECT_NE(describe_lesson(w, p, as_written)
                  .find("予想の印は、レンズの右 0.5 マス、光軸の上 0.25 マス の所にあります。"),
              std::string::npos);
    click(w, Click::smove_large);
    test::clicks(w, Click::mr, 24);  // on the focal point
    p.show_answer();
    EXPECT_FALSE(image_tip(w));
    EXPECT_FALSE(squares_off(w, p));
    EXPECT_EQ(describe_lesson(w, p, as_written), describe_scene(w, as_written));
}

// The numbers of a CSV row, the side and the way up aside.
std::vector<double> csv_numbers(const std::string& line) {
    std::vector<double> out;
    std::stringstream cells(line);
    for (std::string cell; std::getline(cells, cell, ',');) {
        char* end = nullptr;
        const double v = std::strtod(cell.c_str(), &end);
        out.push_back(end != cell.c_str() && *end == 0 ? v : NAN);
    }
    return out;
}

TEST(Notebook, RowsAreTheModelsNumbersSignedAsTheLensLawWritesThem) {
    Notebook n;
    Window w = test::started();
    n.add(1, measure(w));            // real, 16 squares away
    test::clicks(w, Click::mr, 50);  // 3.5 squares: virtual
    n.add(2, measure(w));
    test::clicks(w, Click::ml, 2);  // 4: none
    n.add(3, measure(w));
    const Measurement& real = n.rows()[0];
    EXPECT_EQ(real.image, ImageCase::real);
    EXPECT_FLOAT_EQ(real.candle_distance, 16);
    EXPECT_NEAR(real.image_distance, 16.0 * 4 / 12, 1e-4);
    EXPECT_NEAR(real.magnification, 1.0 / 3, 1e-2);
    EXPECT_NEAR(n.rows()[1].image_distance, -3.5 * 4 / 0.5, 1e-3);
    EXPECT_EQ(n.rows()[2].image, ImageCase::none);

    const std::string csv = n.csv(as_written);
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(csv.find("像の距離 b (マス、虚像は負)"), std::string::npos);
    EXPECT_NE(csv.find("\r\n実像,16,2,4,5.33,レンズの右,0.67,0.33,倒立,\r\n"), std::string::npos)
        << csv;
    EXPECT_NE(csv.find("\r\n虚像,3.5,2,4,-28,光源の側,16,8,正立,\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\nなし,4,2,4,,,,,,\r\n"), std::string::npos);
    EXPECT_NE(n.tab_separated(as_written).find("虚像\t3.5\t2\t4\t-28\t光源の側\t16\t8\t正立\t\n"),
              std::string::npos);
}

// Over a walk of the candle across the bench at both focal lengths, every row is one a bench
// makes, and the CSV's numbers hold the lens law to the precision they are written in.
TEST(Notebook, EveryRowOfAWalkHoldsTheLensLawInItsCsv) {
    Notebook n;
    RowId id = 0;
    for (const auto& screen : {std::pair{1024, 768}, std::pair{1920, 1080}}) {
        Window w = test::started(screen.first, screen.second);
        for (Click focal : {Click::fmove_short, Click::fmove_long}) {
            click(w, focal);
            click(w, Click::smove_small);
            test::clicks(w, Click::ml, 80);
            for (int i = 0; i < 80; ++i) {
                n.add(++id, measure(w));
                click(w, i % 9 == 0 ? Click::md : Click::mr);
            }
        }
    }
    std::stringstream csv(n.csv(as_written));
    std::string line;
    std::getline(csv, line);
    int images = 0;
    for (const Measurement& m : n.rows()) {
        EXPECT_TRUE(bench_can_make(m)) << m.candle_distance << " " << m.focal_length;
        std::getline(csv, line);
        const std::vector<double> v = csv_numbers(line.substr(0, line.size() - 1));
        if (m.image == ImageCase::none) continue;
        ++images;
        const double a = v[1], f = v[3], b = v[4], written = 0.005;
        EXPECT_NEAR(1 / a + 1 / b, 1 / f,
                    written / (a * a) + written / (b * b) + written / (f * f) + 1e-6)
            << line;
    }
    EXPECT_GT(images, 250);
}

TEST(Notebook, KeptRowsReadBackExactlyAndWhatNoBenchMakesIsLeftOut) {
    Notebook n;
    Window w = test::started();
    n.add(0x1234, measure(w));
    test::clicks(w, Click::mr, 50);
    n.add(0xfedcba9876543210, measure(w));
    const std::string kept = n.stored();
    StoredNotebook back = read_stored(kept);
    EXPECT_FALSE(back.damaged);
    EXPECT_EQ(back.notebook.stored(), kept);
    EXPECT_EQ(back.notebook.ids(), n.ids());
    EXPECT_EQ(back.notebook.rows(), n.rows());

    // An empty text is an empty notebook; a notebook of the first kind is read with its virtual
    // distances signed and its rows numbered.
    EXPECT_FALSE(read_stored("").damaged);
    const StoredNotebook first = read_stored(
        "korru notebook 1\n"
        "real 41800000 40000000 40800000 40aaaaab 3f2aaaab 3eaaaaab\n"
        "virtual 40600000 40000000 40800000 41e00000 41800000 41000000\n");
    EXPECT_FALSE(first.damaged);
    ASSERT_EQ(first.notebook.rows().size(), 2u);
    EXPECT_EQ(first.notebook.rows()[1].image_distance, -28);
    EXPECT_EQ(first.notebook.ids(), (std::vector<RowId>{1, 2}));

    // A line cut short, a row twice, numbers no bench makes: the rest is kept.
    const std::size_t first_end = kept.find('\n') + 1;
    const std::string row = kept.substr(first_end, kept.find('\n', first_end) + 1 - first_end);
    for (const std::string& bad :
         {kept + "0000000000000099 real 41800000", kept + row,
          kept + "0000000000000077 real 70a00000 40000000 40800000 40aaaaab 3f2aaaab 3eaaaaab\n",
          kept + "0000000000000078 real 41800000 40000000 80000080 40aaaaab 3f2aaaab 3eaaaaab\n",
          kept + "0000000000000079 none 41800000 40000000 40800000 40aaaaab 3f2aaaab 3eaaaaab\n",
          kept + "000000000000007a sometimes 41800000 40000000 40800000 0 0 0\n",
          kept + "000000000000007b real 7fc00000 40000000 40800000 40aaaaab 3f2aaaab 3eaaaaab\n"}) {
        const StoredNotebook r = read_stored(bad);
        EXPECT_TRUE(r.damaged) << bad;
        EXPECT_EQ(r.notebook.rows(), n.rows()) << bad;
    }
    // A row of the later kind after rows of the first: read too, and the whole said damaged, so
    // that it is set aside and written again as one kind.
    const StoredNotebook mixed = read_stored(
        "korru notebook 1\n"
        "real 41800000 40000000 40800000 40aaaaab 3f2aaaab 3eaaaaab\n" +
        row);
    EXPECT_TRUE(mixed.damaged);
    ASSERT_EQ(mixed.notebook.rows().size(), 2u);
    EXPECT_EQ(mixed.notebook.rows()[1], n.rows()[0]);
    EXPECT_TRUE(read_stored("korru notebook 9\n").damaged);
    EXPECT_TRUE(read_stored("\x89PNG\r\n").damaged);
}

// The focal lengths' colours, as the legend shows them.
std::map<float, Rgb> legend_colours(const Drawing& d, const std::deque<std::string>& words) {
    std::map<float, Rgb> out;
    for (const Primitive& prim : d) {
        if (const auto* t = std::get_if<Text>(&prim); t && t->text.rfind("f = ", 0) == 0) {
            out[std::stof(std::string(t->text.substr(4)))] = t->colour;
        }
    }
    (void)words;
    return out;
}

TEST(Plot, PointsAndCurvesStandWhereTheLawPutsThem) {
    Notebook n;
    Window w = test::started();
    RowId id = 0;
    for (int moves : {0, 16, 30, 50}) {
        test::clicks(w, Click::mr, moves);
        n.add(++id, measure(w));
    }
    click(w, Click::fmove_long);
    test::clicks(w, Click::ml, 30);
    n.add(++id, measure(w));
    for (PlotView view : {PlotView::distances, PlotView::reciprocals}) {
        Drawing d;
        std::deque<std::string> words;
        draw_plot(n, view, 480, 360, as_written, d, words);
        const PlotFrame f = plot_frame(n, view, 480, 360, as_written);
        const auto value = [&](float x, float y) {
            x /= kTwipsPerPixel;
            y /= kTwipsPerPixel;
            return std::pair{f.x_min + (x - f.area.left) / f.area.width * (f.x_max - f.x_min),
                             f.y_max - (y - f.area.top) / f.area.height * (f.y_max - f.y_min)};
        };
        // A point for each row with an image, at (a, b) or (1/a, 1/b) of the law (the legend's
        // marks stand outside the plot's area).
        std::vector<std::pair<double, double>> points;
        for (const Primitive& prim : d) {
            if (const auto* s = std::get_if<Shape>(&prim)) {
                const auto [x, y] =
                    value(s->box.left + s->box.width / 2, s->box.top + s->box.height / 2);
                if (x >= f.x_min && x <= f.x_max && y >= f.y_min && y <= f.y_max) {
                    points.push_back({x, y});
                }
            }
        }
        std::vector<std::pair<double, double>> law;
        for (const Measurement& m : n.rows()) {
            if (m.image == ImageCase::none) continue;
            const double a = m.candle_distance, b = a * m.focal_length / (a - m.focal_length);
            law.push_back(view == PlotView::distances ? std::pair{a, b} : std::pair{1 / a, 1 / b});
        }
        ASSERT_EQ(points.size(), law.size());
        for (std::size_t i = 0; i < points.size(); ++i) {
            EXPECT_NEAR(points[i].first, law[i].first, 2e-2 * std::fabs(law[i].first) + 1e-3);
            EXPECT_NEAR(points[i].second, law[i].second, 2e-2 * std::fabs(law[i].second) + 1e-3);
        }
        // Every number of the axes stands centred under its grid line (at its right beside it,
        // up the side), on round steps, at least four on each axis.
        std::vector<double> across, up;
        for (const Primitive& prim : d) {
            const auto* t = std::get_if<Text>(&prim);
            if (!t || t->text.empty() || !(std::isdigit(t->text[0]) || t->text[0] == '-')) continue;
            std::size_t read = 0;
            const double v = std::stod(std::string(t->text), &read);
            if (read != t->text.size()) continue;  // a title, not a number
            if (t->align == Align::centre) {
                across.push_back(v);
                EXPECT_NEAR(value(t->box.left + t->box.width / 2, 0).first, v, 1e-4) << v;
            } else {
                up.push_back(v);
                EXPECT_EQ(t->align, Align::right);
                EXPECT_NEAR(value(0, t->box.top + 8 * kTwipsPerPixel).second, v, 1e-4) << v;
            }
        }
        for (std::vector<double>* numbers : {&across, &up}) {
            ASSERT_GE(numbers->size(), 4u);
            const double step = (*numbers)[1] - (*numbers)[0];
            const double leading = step / std::pow(10, std::floor(std::log10(step) + 1e-9));
            EXPECT_TRUE(std::fabs(leading - 1) < 1e-6 || std::fabs(leading - 2) < 1e-6 ||
                        std::fabs(leading - 5) < 1e-6)
                << step;
            for (const double v : *numbers) EXPECT_NEAR(v / step, std::round(v / step), 1e-6) << v;
        }
        // Each focal length's curve, in its legend's colour, lies on its own law; the colour is
        // the focal length's whatever else the notebook holds.
        const auto colours = legend_colours(d, words);
        ASSERT_EQ(colours.size(), 2u);
        ASSERT_FALSE(n.rows().empty());
        Notebook long_only;
        long_only.add(1, n.rows().back());
        Drawing alone;
        std::deque<std::string> alone_words;
        draw_plot(long_only, view, 480, 360, as_written, alone, alone_words);
        EXPECT_EQ(legend_colours(alone, alone_words), (std::map<float, Rgb>{{6, colours.at(6)}}));
        for (const auto& [focal, colour] : colours) {
            int on_curve = 0;
            for (const Primitive& prim : d) {
                const auto* l = std::get_if<Line>(&prim);
                if (!l || l->colour != colour || l->x1 == l->x2 || l->y1 == l->y2) continue;
                for (const auto& [x, y] : {value(l->x1, l->y1), value(l->x2, l->y2)}) {
                    const double b =
                        view == PlotView::distances ? x * focal / (x - focal) : 1 / focal - x;
                    EXPECT_NEAR(y, b, 2e-2 * std::fabs(b) + 2e-2) << "f = " << focal;
                    ++on_curve;
                }
            }
            EXPECT_GT(on_curve, 1) << "f = " << focal;
        }
    }
}

}  // namespace
}  // namespace korru

namespace korru {
namespace {

// WCAG's contrast of two colours.
double contrast(Rgb a, Rgb b) {
    const auto luminance = [](Rgb c) {
        double sum = 0;
        const double weights[] = {0.2126, 0.7152, 0.0722};
        for (int i = 0; i < 3; ++i) {
            const double v = ((c >> (16 - 8 * i)) & 0xFF) / 255.0;
            sum += weights[i] * (v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
        }
        return sum;
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool segment_in_box(const Box& b, const Line& l) {
    // Sampled finely: enough for a box of words and a line across the bench.
    for (int i = 0; i <= 400; ++i) {
        const float x = l.x1 + (l.x2 - l.x1) * static_cast<float>(i) / 400,
                    y = l.y1 + (l.y2 - l.y1) * static_cast<float>(i) / 400;
        if (x > b.left && x < b.left + b.width && y > b.top && y < b.top + b.height) return true;
    }
    return false;
}

// The answer stands out on the dark bench and on the light screen card, its words clear of its
// own line, the flame and the rays; with no image, the bench says so.
TEST(Answer, TheMarkItsLineAndWordsCanBeSeenWhereverTheyFall) {
    struct Case {
        const char* name;
        std::vector<std::pair<Click, int>> clicks;
        float across, down;  // the mark, squares from the tip the law gives
    };
    const Case cases[] = {
        {"real, on the card", {{Click::kosen, 1}, {Click::sukurin, 1}}, 0.5f, 0.5f},
        {"virtual, beside the flame", {{Click::mr, 52}, {Click::kosen, 1}}, 1.5f, 1.5f},
        {"grid and rays", {{Click::hogan, 1}, {Click::kosen, 1}, {Click::mr, 30}}, -2, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Window w = test::started();
        for (auto [k, n] : c.clicks) test::clicks(w, k, n);
        Prediction p;
        p.ask(true);
        const BenchPoint tip = law_tip(w);
        p.put_mark({tip.x + c.across * w.bench.unit, tip.y + c.down * w.bench.unit});
        p.show_answer();
        Drawing d;
        std::string words;
        draw_lesson(w, p, as_written, d, words);
        const Drawing bench = draw_bench(w);
        Rgb background = 0, card = kItems[Window::ids::screen_card].look.back;
        for (const Primitive& prim : bench) {
            if (const auto* f = std::get_if<FilledRect>(&prim)) background = f->colour;
            if (const auto* s = std::get_if<Shape>(&prim); s && s->item == Window::ids::screen_card)
                card = s->fill;
        }
        // Every line of the answer has a dark halo beside it, and the two stand 3:1 against
        // both grounds between them.
        std::vector<Line> bright, dark;
        const Text* said = nullptr;
        for (const Primitive& prim : d) {
            if (const auto* l = std::get_if<Line>(&prim); l && l->item < 0) {
                (contrast(l->colour, 0) > 10 ? bright : dark).push_back(*l);
            }
            if (const auto* t = std::get_if<Text>(&prim); t && t->item < 0) said = t;
        }
        ASSERT_EQ(bright.size(), 3u);
        EXPECT_EQ(dark.size(), 6u);
        EXPECT_GE(contrast(bright[0].colour, background), 3);
        EXPECT_GE(contrast(dark[0].colour, card), 3);
        // The words, clear of their own line, the pictures and the rays.
        ASSERT_TRUE(said);
        for (const Primitive& prim : bench) {
            if (const auto* l = std::get_if<Line>(&prim);
                l && std::find(std::begin(Window::ids::rays), std::end(Window::ids::rays),
                               l->item) != std::end(Window::ids::rays)) {
                EXPECT_FALSE(segment_in_box(said->box, *l)) << "a ray";
            }
            if (const auto* pic = std::get_if<Picture>(&prim)) {
                const Box& b = pic->box;
                EXPECT_FALSE(said->box.left < b.left + b.width &&
                             b.left < said->box.left + said->box.width &&
                             said->box.top < b.top + b.height &&
                             b.top < said->box.top + said->box.height)
                    << pic->name;
            }
        }
        EXPECT_FALSE(segment_in_box(said->box, bright[2])) << "its own line";
    }

    // On the focal point there is no image, and the bench says so.
    Window w = test::started();
    test::clicks(w, Click::mr, 48);
    Prediction p;
    p.ask(true);
    p.show_answer();
    Drawing d;
    std::string words;
    draw_lesson(w, p, as_written, d, words);
    EXPECT_TRUE(std::any_of(d.begin(), d.end(), [](const Primitive& prim) {
        const auto* t = std::get_if<Text>(&prim);
        return t && t->text == "像はできません";
    }));
}

}  // namespace
}  // namespace korru
