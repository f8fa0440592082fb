// SPDX-License-Identifier: MIT
// Painting again only where the drawing changed gives the canvas a whole paint would give: checked
// on a model canvas, where each primitive mixes its key into every pixel of its cover (so the
// order counts), and a piece to be painted whole that a clip cuts comes out wrong, as a smoothed
// line would. Drawings are changed at random: moved, recoloured, added, taken away, reordered.
#include "web/repaint.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace korru::web {
namespace {

constexpr int kWidth = 48, kHeight = 32;

using Canvas = std::vector<std::uint32_t>;

bool inside(const std::vector<Rect>& rects, int x, int y) {
    for (const Rect& r : rects) {
        if (x >= r.left && x < r.left + r.width && y >= r.top && y < r.top + r.height) return true;
    }
    return false;
}

// `drawing` painted where `clip` lets it (everywhere where there is none), over what is there.
void paint(Canvas& canvas, const std::vector<Painted>& drawing, const std::vector<Rect>* clip) {
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (clip && !inside(*clip, x, y)) continue;
            std::uint32_t pixel = 7;
            for (const Painted& p : drawing) {
                for (const Rect& piece : p.cover) {
                    if (!inside({piece}, x, y)) continue;
                    bool cut = false;
                    for (int py = piece.top; clip && p.whole && py < piece.top + piece.height;
                         ++py) {
                        for (int px = piece.left; px < piece.left + piece.width; ++px) {
                            const bool on = px >= 0 && px < kWidth && py >= 0 && py < kHeight;
                            cut = cut || (on && !inside(*clip, px, py));
                        }
                    }
                    const Rect& first = p.cover.front();  // tells apart what has no key
                    pixel = pixel * 31 + std::hash<std::string>{}(p.key) + (cut ? 1 : 0) +
                            static_cast<std::uint32_t>(first.left * 7 + first.top * 13);
                }
            }
            canvas[static_cast<std::size_t>(y * kWidth + x)] = pixel;
        }
    }
}

Painted random_primitive(std::mt19937& random, int name) {
    std::uniform_int_distribution<int> at(-4, kWidth), size(1, 14), pieces(1, 3), coin(0, 3);
    Painted p{std::to_string(name), {}, coin(random) == 0};
    for (int i = pieces(random); i > 0; --i) {
        p.cover.push_back({at(random), at(random) * kHeight / kWidth, size(random), size(random)});
    }
    if (coin(random) == 0) p.key.clear();  // painted again each time
    return p;
}

TEST(Repaint, AgainOnlyWhereChangedIsAWholePaint) {
    std::mt19937 random(26);
    int partial = 0;
    for (int round = 0; round < 300; ++round) {
        std::vector<Painted> before;
        int names = 0;
        for (int i = std::uniform_int_distribution<int>(1, 12)(random); i > 0; --i) {
            before.push_back(random_primitive(random, names++));
        }
        std::vector<Painted> now = before;
        for (int edits = std::uniform_int_distribution<int>(0, 3)(random); edits > 0; --edits) {
            std::uniform_int_distribution<std::size_t> any(0, now.size() - 1);
            switch (std::uniform_int_distribution<int>(0, 3)(random)) {
                case 0:
                    now.insert(now.begin() + static_cast<long>(any(random)),
                               random_primitive(random, names++));
                    break;
                case 1:
                    if (now.size() > 1) now.erase(now.begin() + static_cast<long>(any(random)));
                    break;
                case 2:
                    now[any(random)] = random_primitive(random, names++);
                    break;
                default:
                    std::swap(now[any(random)], now[any(random)]);
            }
        }
        Canvas whole(kWidth * kHeight), again(kWidth * kHeight);
        paint(whole, now, nullptr);
        paint(again, before, nullptr);
        const auto rects = to_repaint(before, now, kWidth, kHeight);
        if (!rects) continue;
        ++partial;
        paint(again, now, &*rects);
        ASSERT_EQ(again, whole) << "round " << round;
    }
    EXPECT_GT(partial, 100);  // the check is about painting again, not painting all
}

TEST(Repaint, ALineInPiecesThatShareNoPixelAndHoldItsStroke) {
    for (const auto& [x1, y1, x2, y2] :
         std::initializer_list<std::array<double, 4>>{{1.5, 952.5, 5044.5, 1573.5},
                                                      {2521.5, 1009.5, 300.5, 2269.5},
                                                      {10.5, 10.5, 12.5, 900.5}}) {
        const double width = 3;
        const std::vector<Rect> pieces = stroke_pieces(x1, y1, x2, y2, width);
        EXPECT_LE(pieces.size(), 8u);
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            for (std::size_t j = i + 1; j < pieces.size(); ++j) {
                const Rect& a = pieces[i];
                const Rect& b = pieces[j];
                EXPECT_FALSE(a.left < b.left + b.width && b.left < a.left + a.width &&
                             a.top < b.top + b.height && b.top < a.top + a.height);
            }
        }
        // Every pixel within the stroke's half width and a pixel of smoothing lies in a piece.
        for (double t = 0; t <= 1; t += 1.0 / 4096) {
            const double x = x1 + (x2 - x1) * t, y = y1 + (y2 - y1) * t;
            const double len = std::hypot(x2 - x1, y2 - y1);
            for (const double side : {-1.0, 1.0}) {
                const double reach = width / 2 + 0.99;
                const double px = x - side * (y2 - y1) / len * reach;
                const double py = y + side * (x2 - x1) / len * reach;
                EXPECT_TRUE(inside(pieces, static_cast<int>(std::floor(px)),
                                   static_cast<int>(std::floor(py))))
                    << px << "," << py;
            }
        }
    }
}

}  // namespace
}  // namespace korru::web
