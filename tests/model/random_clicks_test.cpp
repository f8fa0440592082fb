// SPDX-License-Identifier: MIT
// Long random click sequences on many screens, with the invariants checked after every click.
#include <gtest/gtest.h>

#include <random>

#include "invariants.h"
#include "support.h"

namespace korru {
namespace {

TEST(RandomClicks, KeepTheBenchConsistentOnEveryScreen) {
    const std::uint32_t seed = 20261207;
    std::mt19937 rng(seed);
    // Movement clicks are most of a lesson; make them likelier so the limits are reached.
    static_assert(kLessonClicks == 12, "one weight for each click but the end button's");
    std::discrete_distribution<int> pick({6, 6, 6, 6, 1, 1, 1, 1, 1, 1, 1, 1});
    int screens = 0;
    for (int wp : {640, 800, 1024, 1280, 1366, 1600, 1920, 2560, 3840}) {
        for (int hp : {480, 600, 768, 1080, 1440, 2160}) {
            Window w;
            try {
                start_up(w, ScreenSize::from_pixels(wp, hp));
            } catch (const RuntimeError&) {
                continue;  // a screen too low for the window
            }
            ++screens;
            const Window start = w;
            for (int n = 0; n < 1500; ++n) {
                const auto c = static_cast<Click>(pick(rng));
                click(w, c);
                const std::string broken = test::broken_invariant(w, start);
                ASSERT_EQ(broken, "") << "screen " << wp << "x" << hp << ", click " << n << " ("
                                      << click_name(c) << "), seed " << seed;
            }
        }
    }
    EXPECT_GE(screens, 45);
}

}  // namespace
}  // namespace korru
