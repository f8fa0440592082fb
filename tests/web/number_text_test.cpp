// SPDX-License-Identifier: MIT
// The JSON's numbers without floating-point to_chars (the browser build) must be what to_chars
// writes natively, byte for byte; and start-up's refusal must read as it always has.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <sstream>

#include "commands/startup.h"
#include "window/scene_json.h"

namespace korru {
namespace {

std::string to_chars_text(float v) {
    char buf[64];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
}

float from_bits(std::uint32_t bits) {
    float v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

#define EXPECT_SAME_TEXT(v) \
    EXPECT_EQ(shortest_text(v), to_chars_text(v)) << "bits " << std::hex << bits

TEST(NumberText, MatchesToCharsOnTheKindsOfFloatWhereItCouldGoWrong) {
    std::uint32_t bits = 0;
    // Every float at and next to a power of two, where the gap below is half the gap above,
    // in every binade, and the subnormals at the bottom.
    for (std::uint32_t exponent = 0; exponent < 255; ++exponent) {
        for (std::int32_t d = -3; d <= 3; ++d) {
            bits = (exponent << 23) + static_cast<std::uint32_t>(d);
            if (exponent == 0 && d < 0) continue;
            EXPECT_SAME_TEXT(from_bits(bits));
            EXPECT_SAME_TEXT(-from_bits(bits));
        }
    }
    // Whole numbers, twips and halves, where plain and scientific notation trade places, and
    // the large whole floats that plain notation writes exactly.
    for (int i = 0; i < 200'000; ++i) {
        bits = static_cast<std::uint32_t>(i);
        EXPECT_SAME_TEXT(static_cast<float>(i) / 4);
        EXPECT_SAME_TEXT(static_cast<float>(i) * 1024);
        EXPECT_SAME_TEXT(static_cast<float>(i) / 15);
    }
    for (float v :
         {0.0f, -0.0f, 1e-5f, 1e-4f, 1e15f, 1e16f, 1e17f, 123456789.0f,
          std::numeric_limits<float>::max(), std::numeric_limits<float>::min(),
          std::numeric_limits<float>::denorm_min(), std::numeric_limits<float>::infinity(),
          -std::numeric_limits<float>::infinity()}) {
        EXPECT_SAME_TEXT(v);
    }
}

TEST(NumberText, MatchesToCharsOnAMillionRandomFloats) {
    std::mt19937 rng(20261207);
    int checked = 0;
    for (int i = 0; i < 1'000'000; ++i) {
        const std::uint32_t bits = static_cast<std::uint32_t>(rng());
        const float v = from_bits(bits);
        if (std::isnan(v)) continue;
        ASSERT_EQ(shortest_text(v), to_chars_text(v)) << "bits " << std::hex << bits;
        ++checked;
    }
    EXPECT_GT(checked, 990'000);
}

TEST(NumberText, StartUpsRefusalReadsAsAStreamWritesIt) {
    for (ScreenSize s :
         {ScreenSize{0, 0}, ScreenSize{1500, 1500}, ScreenSize::from_pixels(282, 600),
          ScreenSize{983025, 15}, ScreenSize{12.5f, 0.1f}, ScreenSize{-0.0f, 3e7f}}) {
        std::ostringstream expected;
        expected << "run-time error in start-up: screen " << s.width << " x " << s.height
                 << " twips: too small to fit the window on";
        Window w;
        try {
            start_up(w, s);
            ADD_FAILURE() << "started on " << s.width << " x " << s.height;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.what(), expected.str());
        }
    }
}

}  // namespace
}  // namespace korru
