// SPDX-License-Identifier: MIT
// Taking the candle with a pointer: where a press takes it, and that a drag is nothing but the
// arrow clicks it delivers, up to the limits.
#include "commands/drag.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support.h"
#include "window/scene_json.h"

namespace korru {
namespace {

class Drag : public testing::Test {
  protected:
    Window w = test::started_12000();  // unit 261, step 65.25
    const float u = 261;
    std::vector<Click> delivered;
    CandleGrip grip;

    BenchPoint foot() const { return candle_foot(w); }
    int follow(BenchPoint p) {
        return grip.follow(w, p, [this](Click c) {
            click(w, c);
            delivered.push_back(c);
        });
    }
};

TEST_F(Drag, APressTakesTheCandleItsLabelOrAFingersReachAroundIt) {
    const Item& candle = w.source();
    const Item& label = w.source_label();
    const BenchPoint middle{candle.left + candle.width / 2, candle.top + candle.height / 2};
    EXPECT_TRUE(takes_candle(w, middle, 0));
    EXPECT_TRUE(takes_candle(w, {label.left + 1, label.top + 1}, 0));
    // Beside the thin picture: only within the reach, a square centred on the candle.
    const BenchPoint beside{middle.x + 300, middle.y};
    EXPECT_FALSE(takes_candle(w, beside, 0));
    EXPECT_TRUE(takes_candle(w, beside, 660));
    EXPECT_FALSE(takes_candle(w, {middle.x + 331, middle.y}, 660));
    EXPECT_FALSE(grip.press(w, {middle.x, candle.top + candle.height + 300}, 360));
    EXPECT_FALSE(grip.held());
    EXPECT_EQ(follow({0, 0}), 0);  // nothing held, nothing moves
}

TEST_F(Drag, TheCandleFollowsInWholeStepsAsTheSameClicksWould) {
    const BenchPoint start = foot();
    // Taken a little above its foot; the offset is kept, so the candle does not jump.
    const BenchPoint taken{start.x + 10, start.y - 100};
    ASSERT_TRUE(grip.press(w, taken, 360));
    EXPECT_EQ(follow(taken), 0);
    // Less than half a step: nothing. Half a step or more: one step, rounded to the nearest.
    EXPECT_EQ(follow({taken.x + 32, taken.y}), 0);
    EXPECT_EQ(follow({taken.x + 3 * 65.25f + 33, taken.y - 2 * 65.25f}), 6);
    EXPECT_EQ(delivered, (std::vector<Click>{Click::mr, Click::mr, Click::mr, Click::mr, Click::mu,
                                             Click::mu}));
    EXPECT_EQ(foot().x, start.x + 4 * 65.25f);
    EXPECT_EQ(foot().y, start.y - 2 * 65.25f);
    // The state is exactly that of the same clicks.
    Window same = test::started_12000();
    for (Click c : delivered) click(same, c);
    EXPECT_EQ(scene_json(w, ScreenSize{12000, 9000}), scene_json(same, ScreenSize{12000, 9000}));
    grip.release();
    EXPECT_EQ(follow({0, 0}), 0);
}

TEST_F(Drag, AtALimitTheCandleWaitsForThePointerWhileTheOtherWayStillFollows) {
    ASSERT_TRUE(grip.press(w, {foot().x, foot().y - 1}, 0));
    // Far past the lens and far below the bench: the candle stops half a unit from the lens and
    // six units below the axis, and no click is spent at the limits.
    follow({w.bench.lensx + 10 * u, w.bench.axisy + 40 * u});
    EXPECT_EQ(w.bench.sdist, u / 2);
    EXPECT_EQ(w.bench.slift, -6 * u);
    const int across = static_cast<int>(std::count(delivered.begin(), delivered.end(), Click::mr));
    const int down = static_cast<int>(std::count(delivered.begin(), delivered.end(), Click::md));
    EXPECT_EQ(across, (16 - 0.5) * 4);
    EXPECT_EQ(down, 6 * 4);
    EXPECT_EQ(follow({w.bench.lensx + 10 * u, w.bench.axisy + 40 * u}), 0);
    // Back within reach, it moves again at once.
    delivered.clear();
    follow({w.bench.lensx - u, w.bench.axisy + 40 * u});
    EXPECT_EQ(w.bench.sdist, u);
    EXPECT_EQ(delivered, std::vector<Click>(2, Click::ml));
}

}  // namespace
}  // namespace korru
