// SPDX-License-Identifier: MIT
// The page's bitmaps, checked natively: the candle decoded from its XPM as the desktop reads it,
// its half turn, malformed grids refused, the lens's oval as whole pixels, and a picture
// stretched into one bitmap as the desktop stretches it.
#include "web/bitmap.h"

#include <gtest/gtest.h>

#include <array>

#include "assets/candle.xpm"

namespace korru::web {
namespace {

std::array<int, 4> pixel(const Bitmap& b, int x, int y) {
    const auto* p = &b.bytes[static_cast<std::size_t>((y * b.width + x) * 4)];
    return {p[0], p[1], p[2], p[3]};
}

TEST(Xpm, TheCandleDecodesWithItsColoursAndClearCorners) {
    const Bitmap candle = decode_xpm(candle_xpm);
    ASSERT_EQ(candle.width, 8);
    ASSERT_EQ(candle.height, 39);
    ASSERT_EQ(candle.bytes.size(), 8u * 39 * 4);
    EXPECT_EQ(pixel(candle, 0, 0), (std::array{0, 0, 0, 0}));              // "." None
    EXPECT_EQ(pixel(candle, 3, 0), (std::array{0xFF, 0xA0, 0xA0, 255}));   // "q"
    EXPECT_EQ(pixel(candle, 2, 5), (std::array{0xFF, 0x00, 0x00, 255}));   // "R", the flame
    EXPECT_EQ(pixel(candle, 4, 10), (std::array{0xFF, 0xFF, 0xE0, 255}));  // "w"
}

TEST(Xpm, TheTurnedCandleIsTheUprightOneGivenAHalfTurn) {
    const Bitmap candle = decode_xpm(candle_xpm);
    const Bitmap t = turned(candle);
    ASSERT_EQ(t.width, candle.width);
    ASSERT_EQ(t.height, candle.height);
    for (int y = 0; y < candle.height; ++y) {
        for (int x = 0; x < candle.width; ++x) {
            ASSERT_EQ(pixel(t, x, y), pixel(candle, candle.width - 1 - x, candle.height - 1 - y));
        }
    }
    EXPECT_NE(t.bytes, candle.bytes);
}

TEST(Xpm, AMalformedGridIsRefused) {
    const char* const no_header[] = {"8 x 1 1", nullptr};
    const char* const bad_colour[] = {"1 1 1 1", ". c #12345G", "."};
    const char* const unknown_pixel[] = {"2 1 1 1", ". c None", ".x"};
    const char* const short_row[] = {"3 1 1 1", ". c #000000", ".."};
    const char* const missing_row[] = {"1 2 1 1", ". c #000000", ".", nullptr};
    for (const char* const* xpm : {no_header, bad_colour, unknown_pixel, short_row, missing_row}) {
        EXPECT_THROW(decode_xpm(xpm), std::invalid_argument) << xpm[0];
    }
    const char* const two_chars[] = {"2 1 2 2", "ab c #010203", "cd c None", "abcd"};
    const Bitmap b = decode_xpm(two_chars);
    EXPECT_EQ(pixel(b, 0, 0), (std::array{1, 2, 3, 255}));
    EXPECT_EQ(pixel(b, 1, 0)[3], 0);
}

// The desktop's lens at 1024x625: a 20 x 121-pixel box with a black one-pixel outline.
TEST(Oval, FillsItsBoxWithAnOutlineOnTheOutermostPixels) {
    const Bitmap o = oval(20, 121, 1, 0x000000, 0xC0FFFF);
    ASSERT_EQ(o.width, 20);
    ASSERT_EQ(o.height, 121);
    const std::array<int, 4> clear{0, 0, 0, 0}, black{0, 0, 0, 255}, fill{0xC0, 0xFF, 0xFF, 255};
    EXPECT_EQ(pixel(o, 0, 0), clear);
    EXPECT_EQ(pixel(o, 19, 120), clear);
    EXPECT_EQ(pixel(o, 10, 60), fill);
    // At the middle row the outline is the box's first and last column; at the top and bottom
    // rows it is the middle columns.
    EXPECT_EQ(pixel(o, 0, 60), black);
    EXPECT_EQ(pixel(o, 19, 60), black);
    EXPECT_EQ(pixel(o, 1, 60), fill);
    EXPECT_EQ(pixel(o, 10, 0), black);
    EXPECT_EQ(pixel(o, 9, 120), black);
    // Symmetric both ways, and every row's pixels one run: outline, fill, outline.
    for (int y = 0; y < o.height; ++y) {
        int changes = 0;
        for (int x = 0; x < o.width; ++x) {
            ASSERT_EQ(pixel(o, x, y), pixel(o, o.width - 1 - x, y)) << x << "," << y;
            ASSERT_EQ(pixel(o, x, y), pixel(o, x, o.height - 1 - y)) << x << "," << y;
            if (x > 0 && pixel(o, x, y) != pixel(o, x - 1, y)) ++changes;
        }
        EXPECT_LE(changes, 4) << "row " << y;
    }
}

TEST(Oval, ATwoPixelOutlineAtTwiceTheDensityAndNothingForAnEmptyBox) {
    const Bitmap o = oval(40, 242, 2, 0x000000, 0xC0FFFF);
    EXPECT_EQ(pixel(o, 0, 121)[3], 255);
    EXPECT_EQ(pixel(o, 1, 121), (std::array{0, 0, 0, 255}));
    EXPECT_EQ(pixel(o, 2, 121), (std::array{0xC0, 0xFF, 0xFF, 255}));
    EXPECT_TRUE(oval(0, 10, 1, 0, 0).bytes.empty());
    EXPECT_TRUE(oval(10, -3, 1, 0, 0).bytes.empty());
    const Bitmap dot = oval(1, 1, 1, 0x123456, 0);
    EXPECT_EQ(pixel(dot, 0, 0), (std::array{0x12, 0x34, 0x56, 255}));
}

// A picture drawn as one bitmap of its box, pixel for pixel what the desktop's stretching shows:
// a 2x2 grid over 5x3 pixels shows its left column three pixels wide and its top row two high
// (the desktop takes the pixel under each centre, from half a step in).
TEST(Stretched, EachPixelOfTheBoxShowsTheDesktopsPixelAndClearStaysClear) {
    const char* const grid[] = {"2 2 4 1",  "a c #010101", "b c #020202", "c c #030303",
                                "d c None", "ab",          "cd"};
    const Bitmap s = stretched(decode_xpm(grid), 5, 3);
    ASSERT_EQ(s.width, 5);
    ASSERT_EQ(s.height, 3);
    const std::array<const char*, 3> expected{"aaabb", "aaabb", "cccdd"};
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            const char p = expected[static_cast<std::size_t>(y)][x];
            const int v = p == 'd' ? 0 : p - 'a' + 1;
            EXPECT_EQ(pixel(s, x, y), (std::array{v, v, v, p == 'd' ? 0 : 255})) << x << "," << y;
        }
    }
    const Bitmap candle = decode_xpm(candle_xpm);
    EXPECT_EQ(stretched(candle, candle.width, candle.height).bytes, candle.bytes);
    const Bitmap doubled = stretched(candle, 2 * candle.width, 2 * candle.height);
    EXPECT_EQ(pixel(doubled, 0, 0)[3], 0);
    EXPECT_EQ(pixel(doubled, 4, 10), pixel(candle, 2, 5));  // the flame, two by two
    EXPECT_EQ(pixel(doubled, 5, 11), pixel(candle, 2, 5));
    EXPECT_TRUE(stretched(candle, 0, 10).bytes.empty());
}

}  // namespace
}  // namespace korru::web
