// SPDX-License-Identifier: MIT
// The readers of outside input — a scene text or link, a kept notebook and its plot — given
// 100,000 inputs from a fixed seed: random bytes, and kept notebooks and scenes that a window
// made, mutated a little (a digit changed, a byte added, a line cut short or doubled), which get
// past the first checks and reach the numbers. Every promise of fuzz/lesson_input.h holds.
// KORRU_FUZZ_SEED and KORRU_FUZZ_INPUTS override the seed and the number; the seed is printed.
// The coverage-guided fuzzer runs the same checks (the test fuzz.lesson, with clang).
#include <gtest/gtest.h>

#include <random>

#include "../fuzz/lesson_input.h"
#include "support.h"

namespace korru {
namespace {

unsigned long env_or(const char* name, unsigned long fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::strtoul(v, nullptr, 10) : fallback;
}

// What a window writes: notebooks of both kinds and scenes, from a walk of the bench.
std::vector<std::string> made_by_a_window(std::mt19937& rng) {
    std::vector<std::string> out;
    Window w = test::started();
    Notebook n;
    std::vector<Step> steps;
    for (int i = 0; i < 60; ++i) {
        const Click c = kClicks[rng() % kLessonClicks].click;
        click(w, c);
        steps.push_back(c);
        n.add(rng(), measure(w));
    }
    out.push_back(n.stored());
    out.push_back(scene_text(steps));
    out.push_back("korru.html#" + scene_text(steps) + ".predict");
    std::string first = "korru notebook 1\n";
    const std::string kept = n.stored();
    for (std::size_t at = kept.find('\n') + 1; at < kept.size();) {
        const std::size_t end = kept.find('\n', at);
        first += kept.substr(at + 17, end - at - 16);  // the row without its id
        at = end + 1;
    }
    out.push_back(first);
    return out;
}

std::string mutated(std::string s, std::mt19937& rng) {
    constexpr std::string_view kHex = "0123456789abcdef";
    const int changes = 1 + static_cast<int>(rng() % 3);
    for (int i = 0; i < changes && !s.empty(); ++i) {
        const std::size_t at = rng() % s.size();
        switch (rng() % 6) {
            case 0:
                s[at] = kHex[rng() % kHex.size()];  // a number that still reads as one
                break;
            case 1:
                s[at] = static_cast<char>(rng());
                break;
            case 2:
                s.insert(at, 1, static_cast<char>(rng() % 2 ? '\n' : rng()));
                break;
            case 3:
                s.erase(at, 1 + rng() % 8);
                break;
            case 4:
                s.resize(at);  // cut short
                break;
            default: {  // a line twice
                const std::size_t start = s.rfind('\n', at), end = s.find('\n', at);
                if (start != std::string::npos && end != std::string::npos) {
                    s.insert(end + 1, s.substr(start + 1, end - start));
                }
            }
        }
    }
    return s;
}

TEST(FuzzLesson, AHundredThousandInputsFromOutside) {
    const auto seed = static_cast<std::uint32_t>(env_or("KORRU_FUZZ_SEED", 20261208));
    const unsigned long total = env_or("KORRU_FUZZ_INPUTS", 100'000);
    SCOPED_TRACE("KORRU_FUZZ_SEED=" + std::to_string(seed));
    std::mt19937 rng(seed);
    std::vector<std::string> made = made_by_a_window(rng);
    unsigned long accepted_notebooks = 0, accepted_scenes = 0;
    for (unsigned long i = 0; i < total; ++i) {
        if (i % 5000 == 0) made = made_by_a_window(rng);
        std::string input;
        if (i % 4 == 0) {
            input.resize(rng() % 200);
            for (char& c : input) c = static_cast<char>(rng());
        } else {
            input = mutated(made[rng() % made.size()], rng);
        }
        fuzz::try_input(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
        accepted_scenes += read_scene(input).fault == SceneFault::none;
        const StoredNotebook n = read_stored(input);
        accepted_notebooks += !n.damaged && !n.notebook.rows().empty();
    }
    // The mutations reach past the first checks: many inputs are still read whole.
    EXPECT_GT(accepted_scenes, total / 40);
    EXPECT_GT(accepted_notebooks, total / 50);
}

}  // namespace
}  // namespace korru
