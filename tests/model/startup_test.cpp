// SPDX-License-Identifier: MIT
// Start-up: window fitting on real and degenerate screens, the panel row, the captions, and the
// fixed bench.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "support.h"

namespace korru {
namespace {

using test::pixels;
using test::started;

struct Fitted {
    ScreenSize screen;
    float left, top, width, height;  // the window
    float work_width, work_height;
};

class Fitting : public testing::TestWithParam<Fitted> {};

TEST_P(Fitting, GivesTheWindowAndBench) {
    const Fitted& f = GetParam();
    Window w = started(f.screen);
    EXPECT_FLOAT_EQ(w.main.left, f.left);
    EXPECT_FLOAT_EQ(w.main.top, f.top);
    EXPECT_FLOAT_EQ(w.main.width, f.width);
    EXPECT_FLOAT_EQ(w.main.height, f.height);
    EXPECT_EQ(w.work().left, 120);
    EXPECT_EQ(w.work().top, 600);
    EXPECT_FLOAT_EQ(w.work().width, f.work_width);
    EXPECT_FLOAT_EQ(w.work().height, f.work_height);
    EXPECT_EQ(w.work().width, 2 * w.work().height);
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
    at(w.owari(), 12729, 8532);
    at(w.sset(), 10794, 7452);
    at(w.fset(), 10794, 8307);
    at(w.vset(), 9099, 7452);
    at(w.cont(), 6324, 7452);
    // Sizes and the fixed labels keep their design values.
    EXPECT_EQ(w.cont().width, 2655);
    EXPECT_EQ(w.cont().height, 1455);
    EXPECT_EQ(w.owari().width, 855);
    EXPECT_EQ(w[item_id("title")].left, 240);
    EXPECT_EQ(w.ver().left, 5400);
    EXPECT_EQ(w.cr().top, 360);
}

TEST(Fitting, SmallScreenLetsTheLeftPanelStickOut) {
    Window w = started(ScreenSize{9600, 7200});
    EXPECT_FLOAT_EQ(w.cont().left, -501.6f);
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
        const ScreenSize s = pixels(wp, hp);
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
         {ScreenSize{0, 0}, pixels(1, 1), pixels(100, 100), pixels(320, 200), pixels(65535, 1),
          pixels(1, 65535), ScreenSize{4229, 100000}, pixels(320, 240), pixels(100000, 100000)}) {
        SCOPED_TRACE(testing::Message() << s.width << " x " << s.height << " twips");
        const auto t0 = std::chrono::steady_clock::now();
        Window w;
        try {
            start_up(w, s);
            ++built;
            for (const Item* it : {&w.main, &w.work(), &w.scrn(), &w.source(), &w.korru()}) {
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
    EXPECT_EQ(w.ver().caption, "ver.1.0.1");
    EXPECT_EQ(w.cr().caption, program_version().legal_copyright);
    EXPECT_FALSE(w.cr().caption.empty());

    Window other;
    start_up(other, pixels(1024, 768), VersionInfo{2, 10, 0, "(c) someone"});
    EXPECT_EQ(other.ver().caption, "ver.2.10.0");
    EXPECT_EQ(other.cr().caption, "(c) someone");
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

    EXPECT_EQ(w.korru().top, 1827);
    EXPECT_EQ(w.korru().height, 1566);
    EXPECT_EQ(w.korru().left, 5089.5f);
    EXPECT_EQ(w.korru().width, 261);

    const auto line = [](const Item& l, float x1, float y1, float x2, float y2) {
        EXPECT_EQ(l.x1, x1);
        EXPECT_EQ(l.y1, y1);
        EXPECT_EQ(l.x2, x2);
        EXPECT_EQ(l.y2, y2);
    };
    line(w.yoko(), 0, 2610, 10440, 2610);
    line(w.tate(), 5220, 0, 5220, 5220);
    line(w.LYU(0), 0, 2349, 10440, 2349);
    line(w.LYU(8), 0, 261, 10440, 261);
    line(w.LYD(0), 0, 2871, 10440, 2871);
    line(w.LYD(8), 0, 4959, 10440, 4959);
    line(w.LXL(0), 4959, 0, 4959, 5220);
    line(w.LXL(18), 261, 0, 261, 5220);
    line(w.LXR(0), 5481, 0, 5481, 5220);
    line(w.LXR(18), 10179, 0, 10179, 5220);

    EXPECT_EQ(w.scrn().width, 522);
    EXPECT_EQ(w.scrn().height, 783);
    EXPECT_EQ(w.source().width, 65.25f);
    EXPECT_EQ(w.source().height, 522);
}

TEST(BenchSetUp, LeavesGridRaysAndMarksHiddenButPlaced) {
    Window w = test::started_12000();
    for (int i = 0; i < 9; ++i) EXPECT_FALSE(w.LYU(i).visible || w.LYD(i).visible);
    for (int i = 0; i < 19; ++i) EXPECT_FALSE(w.LXL(i).visible || w.LXR(i).visible);
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(w.rl(i).visible || w.fl(i).visible);
    EXPECT_FALSE(w.ft(0).visible || w.ft(1).visible);
    EXPECT_TRUE(w.scrn().visible);
    EXPECT_TRUE(w.source().visible);
    EXPECT_EQ(w.fl(0).x1, 5220 - 1044 - 60);  // placed although hidden
}

}  // namespace
}  // namespace korru
