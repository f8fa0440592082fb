// SPDX-License-Identifier: MIT
// A million random clicks across screens from 320x200 to 7680x4320, with every invariant of the
// bench checked after every click. The seed is printed on failure so that a run can be replayed;
// KORRU_FUZZ_SEED and KORRU_FUZZ_CLICKS override the seed and the total number of clicks.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "invariants.h"
#include "support.h"

namespace korru {
namespace {

unsigned long env_or(const char* name, unsigned long fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::strtoul(v, nullptr, 10) : fallback;
}

struct Screen {
    int w, h;
};

// 4:3, 5:4, 16:10, 16:9 and wider, from the smallest to 8K.
constexpr Screen kScreens[] = {{320, 200},   {320, 240},   {400, 300},   {512, 384},   {640, 480},
                               {800, 480},   {800, 600},   {1024, 600},  {1024, 768},  {1152, 864},
                               {1280, 720},  {1280, 800},  {1280, 1024}, {1366, 768},  {1440, 900},
                               {1600, 900},  {1600, 1200}, {1920, 1080}, {1920, 1200}, {2048, 1536},
                               {2560, 1080}, {2560, 1440}, {2560, 1600}, {3440, 1440}, {3840, 1600},
                               {3840, 2160}, {5120, 2880}, {7680, 4320}};

TEST(FuzzClicks, AMillionClicksKeepEveryInvariant) {
    const auto seed = static_cast<std::uint32_t>(env_or("KORRU_FUZZ_SEED", 7041955));
    const unsigned long total = env_or("KORRU_FUZZ_CLICKS", 1'000'000);
    std::mt19937 rng(seed);
    int started = 0;
    unsigned long done = 0;
    // How often the walk reached each region that matters, so a weak walk cannot pass unseen.
    enum { real, virt, none, far, near, top, bottom, kRegions };
    unsigned long seen[kRegions] = {};
    std::vector<Screen> usable;
    for (const Screen& s : kScreens) {
        Window w;
        try {
            start_up(w, ScreenSize::from_pixels(s.w, s.h));
            usable.push_back(s);
        } catch (const RuntimeError&) {
            // Too low for the window: refused at start, as the start-up tests check.
        }
    }
    ASSERT_GE(usable.size(), 20u);
    const unsigned long per_screen = total / usable.size() + 1;
    for (const Screen& s : usable) {
        Window w;
        start_up(w, ScreenSize::from_pixels(s.w, s.h));
        ++started;
        const Window start = w;
        // Each run of the same button is long enough to reach the limits; the mix changes
        // every few hundred clicks so every region of the bench is visited.
        std::vector<double> weights(kLessonClicks);
        for (unsigned long n = 0; n < per_screen; ++n, ++done) {
            if (n % 400 == 0) {
                for (double& x : weights) x = std::uniform_real_distribution<double>(0, 1)(rng);
            }
            std::discrete_distribution<int> pick(weights.begin(), weights.end());
            const auto c = static_cast<Click>(pick(rng));
            click(w, c);
            const BenchState& b = w.bench;
            ++seen[w.real_image().visible ? real : w.virtual_image().visible ? virt : none];
            seen[far] += b.sdist == b.unit * 20;
            seen[near] += b.sdist == b.unit / 2;
            seen[top] += b.slift == b.unit + b.unit;
            seen[bottom] += b.slift == b.unit * -6;
            const std::string broken = test::broken_invariant(w, start);
            if (!broken.empty()) {
                FAIL() << broken << " after click " << n << " (" << click_name(c) << ") on " << s.w
                       << "x" << s.h << "; replay with KORRU_FUZZ_SEED=" << seed;
            }
        }
    }
    for (int r = 0; r < kRegions; ++r) EXPECT_GT(seen[r], 1000u) << "region " << r;
    RecordProperty("clicks", static_cast<int>(done));
    RecordProperty("screens", started);
    std::printf("%lu clicks on %d screens, seed %u; real %lu, virtual %lu, none %lu\n", done,
                started, seed, seen[real], seen[virt], seen[none]);
}

}  // namespace
}  // namespace korru
