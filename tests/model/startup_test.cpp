// SPDX-License-Identifier: MIT
// Start-up: window fitting on real and degenerate screens, the panel row, the captions, and the
// fixed bench.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "support.h"

namespace korru {
namespace {

using test::started;

struct Fitted {
    ScreenSize screen;
    float left, top, width, height;  // the window
    float work_width, work_height;
};

void PrintTo(const Fitted& f, std::ostream* os) {
    PrintTo(f.screen, os);
}

class Fitting : public testing::TestWithParam<Fitted> {};

TEST_P(Fitting, GivesTheWindowAndBench) {
    const Fitted& f = GetParam();
    Window w = started(f.screen);
    EXPECT_FLOAT_EQ(w.main.left, f.left);
    EXPECT_FLOAT_EQ(w.main.top, f.top);
    EXPECT_FLOAT_EQ(w.main.width, f.width);
    EXPECT_FLOAT_EQ(w.main.height, f.height);
    EXPECT_EQ(w.bench_area().left, 120);
    EXPECT_EQ(w.bench_area().top, 600);
    EXPECT_FLOAT_EQ(w.bench_area().width, f.work_width);
    EXPECT_FLOAT_EQ(w.bench_area().height, f.work_height);
    EXPECT_EQ(w.bench_area().width, 2 * w.bench_area().height);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, Fitting,
    testing::Values(
        // 1024 x 768: no reduction.
        Fitted{{15360, 11520}, 768, 846.5f, 13824, 9587, 13464, 6732},
        Fitted{{12000, 9000}, 600, 342.5f, 10800, 8075, 10440, 5220},
        // Three passes; the window then stands left of the screen's centre.
        Fitted{{9600, 7200}, 388.8f, 392.9f, 6998.4f, 6174.2f, 6638.4f, 3319.2f},
        // A wide screen is capped by its own height: three reductions instead of a window
        // 19955 high with its title bar above the screen.
        Fitted{{38400, 16200}, 1399.68f, 343.94f, 25194.24f, 15272.12f, 24834.24f, 12417.12f}),
    [](const testing::TestParamInfo<Fitted>& p) {
        return "Screen" + std::to_string(int(p.param.screen.width)) + "x" +
               std::to_string(int(p.param.screen.height));
    });

TEST(Fitting, PlacesThePanelRowFromTheRight) {
    Window w = started(ScreenSize{15360, 11520});
    const auto at = [&](Item& it, float left, float top) {
        EXPECT_FLOAT_EQ(it.left, left);
        EXPECT_FLOAT_EQ(it.top, top);
    };
    at(w.end_button(), 12729, 8532);
    at(w.step_panel(), 10794, 7452);
    at(w.focal_panel(), 10794, 8307);
    at(w.display_panel(), 9099, 7452);
    at(w.move_panel(), 6324, 7452);
    // Sizes and the fixed labels keep their design values.
    EXPECT_EQ(w.move_panel().width, 2655);
    EXPECT_EQ(w.move_panel().height, 1455);
    EXPECT_EQ(w.end_button().width, 855);
    EXPECT_EQ(w[item_id("title")].left, 240);
    EXPECT_EQ(w.version_label().left, 5400);
    EXPECT_EQ(w.copyright_label().top, 360);
}

TEST(Fitting, SmallScreenLetsTheLeftPanelStickOut) {
    Window w = started(ScreenSize{9600, 7200});
    EXPECT_FLOAT_EQ(w.move_panel().left, -501.6f);
}

TEST(Fitting, TodaysScreensKeepTheWholeWindowOnScreen) {
    for (auto [wp, hp] : {std::pair{1366, 768},
                          {1536, 864},
                          {2560, 1080},
                          {1280, 800},
                          {1920, 1080},
                          {1280, 1024},
                          {3440, 1440},
                          {800, 600}}) {
        const ScreenSize s = ScreenSize::from_pixels(wp, hp);
        Window w = started(s);
        EXPECT_GE(w.main.top, 0) << wp << "x" << hp;
        EXPECT_LE(w.main.top + w.main.height, s.height) << wp << "x" << hp;
        EXPECT_GE(w.main.left, 0) << wp << "x" << hp;
        EXPECT_LE(w.main.left + w.main.width, s.width) << wp << "x" << hp;
    }
}

TEST(Fitting, ScreensWhereTheWindowFitsKeepTheirNumbers) {
    // 1920 x 1080 and 1280 x 800: the height cap changes nothing.
    Window a = started(1920, 1080);
    EXPECT_FLOAT_EQ(a.main.width, 1920 * 15 * 0.9f);
    EXPECT_FLOAT_EQ(a.main.left, 1920 * 15 / 20.0f);
    Window b = started(1280, 800);
    EXPECT_FLOAT_EQ(b.main.width, 1280 * 15 * 0.9f);
}

TEST(Fitting, LimitEqualToTheHeightEndsTheFitting) {
    // On a 15360-twip-wide screen the first pass gives a window 9587 high; a screen 9827 high
    // caps the limit at exactly that.
    EXPECT_FLOAT_EQ(started(ScreenSize{15360, 9827}).main.width, 13824);
    EXPECT_LT(started(ScreenSize{15360, 9826}).main.width, 13824);
}

// Degenerate screens end start-up at once, either refused with the run-time error or with a
// window and bench whose sizes are all finite and positive.
TEST(Fitting, DegenerateScreensAreRefusedOrGiveASoundBench) {
    int refused = 0, built = 0;
    for (ScreenSize s :
         {ScreenSize{0, 0}, ScreenSize::from_pixels(1, 1), ScreenSize::from_pixels(100, 100),
          ScreenSize::from_pixels(320, 200), ScreenSize::from_pixels(65535, 1),
          ScreenSize::from_pixels(1, 65535), ScreenSize{4229, 100000},
          ScreenSize::from_pixels(320, 240), ScreenSize::from_pixels(100000, 100000)}) {
        SCOPED_TRACE(testing::Message() << s.width << " x " << s.height << " twips");
        const auto t0 = std::chrono::steady_clock::now();
        Window w;
        try {
            start_up(w, s);
            ++built;
            for (const Item* it :
                 {&w.main, &w.bench_area(), &w.screen_card(), &w.source(), &w.lens()}) {
                EXPECT_TRUE(std::isfinite(it->width) && it->width > 0);
                EXPECT_TRUE(std::isfinite(it->height) && it->height > 0);
            }
            EXPECT_GT(w.bench.unit, 0);
            EXPECT_GE(w.main.top, 0);
            EXPECT_LE(w.main.top + w.main.height, s.height);
        } catch (const RuntimeError& e) {
            ++refused;
            EXPECT_EQ(e.routine(), "start-up");
            EXPECT_NE(e.subject().find("screen"), std::string::npos) << e.what();
        }
        EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(100));
    }
    EXPECT_EQ(refused, 7);
    EXPECT_EQ(built, 2);
}

TEST(Captions, VersionAndCopyrightComeFromTheVersionInformation) {
    Window w = started();
    EXPECT_EQ(w.version_label().caption, "ver.1.0.1");
    EXPECT_EQ(w.copyright_label().caption, program_version().legal_copyright);
    EXPECT_FALSE(w.copyright_label().caption.empty());

    Window other;
    start_up(other, ScreenSize::from_pixels(1024, 768), VersionInfo{2, 10, 0, "(c) someone"});
    EXPECT_EQ(other.version_label().caption, "ver.2.10.0");
    EXPECT_EQ(other.copyright_label().caption, "(c) someone");
}

TEST(BenchSetUp, DerivesTheBenchFromItsSize) {
    Window w = test::started_12000();
    const BenchState& b = w.bench;
    EXPECT_EQ(b.unit, 261);
    EXPECT_EQ(b.flen, 1044);
    EXPECT_EQ(b.axisy, 2610);
    EXPECT_EQ(b.lensx, 5220);
    EXPECT_EQ(b.step, 65.25f);
    EXPECT_EQ(b.sdist, 4176);
    EXPECT_EQ(b.slift, 0);

    EXPECT_EQ(w.lens().top, 1827);
    EXPECT_EQ(w.lens().height, 1566);
    EXPECT_EQ(w.lens().left, 5089.5f);
    EXPECT_EQ(w.lens().width, 261);

    const auto line = [](const Item& l, float x1, float y1, float x2, float y2) {
        EXPECT_EQ(l.x1, x1);
        EXPECT_EQ(l.y1, y1);
        EXPECT_EQ(l.x2, x2);
        EXPECT_EQ(l.y2, y2);
    };
    line(w.axis(), 0, 2610, 10440, 2610);
    line(w.lens_line(), 5220, 0, 5220, 5220);
    line(w.grid_above(0), 0, 2349, 10440, 2349);
    line(w.grid_above(8), 0, 261, 10440, 261);
    line(w.grid_below(0), 0, 2871, 10440, 2871);
    line(w.grid_below(8), 0, 4959, 10440, 4959);
    line(w.grid_left(0), 4959, 0, 4959, 5220);
    line(w.grid_left(18), 261, 0, 261, 5220);
    line(w.grid_right(0), 5481, 0, 5481, 5220);
    line(w.grid_right(18), 10179, 0, 10179, 5220);

    EXPECT_EQ(w.screen_card().width, 522);
    EXPECT_EQ(w.screen_card().height, 783);
    EXPECT_EQ(w.source().width, 65.25f);
    EXPECT_EQ(w.source().height, 522);
}

TEST(BenchSetUp, LeavesGridRaysAndMarksHiddenButPlaced) {
    Window w = test::started_12000();
    for (int i = 0; i < 9; ++i) EXPECT_FALSE(w.grid_above(i).visible || w.grid_below(i).visible);
    for (int i = 0; i < 19; ++i) EXPECT_FALSE(w.grid_left(i).visible || w.grid_right(i).visible);
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(w.ray(i).visible || w.focal_mark(i).visible);
    EXPECT_FALSE(w.focal_label(0).visible || w.focal_label(1).visible);
    EXPECT_TRUE(w.screen_card().visible);
    EXPECT_TRUE(w.source().visible);
    EXPECT_EQ(w.focal_mark(0).x1, 5220 - 1044 - 60);  // placed although hidden
}

}  // namespace
}  // namespace korru
