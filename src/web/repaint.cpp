// SPDX-License-Identifier: MIT
#include "web/repaint.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace korru::web {

namespace {

// Along a slanting line, a rectangle every so many device pixels, and at most so many: the strip
// narrow enough to spare most of the canvas, its rectangles few, for the browser slows down at
// every one a clip has.
constexpr double kStrip = 256;
constexpr int kMostPieces = 8;
// Two rectangles of the region painted again become one where that one is at most this much
// larger than the two.
constexpr double kLittleMore = 1.25;

bool same(const Painted& a, const Painted& b) {
    return !a.key.empty() && a.key == b.key;
}

void add_covers(const Painted& p, std::vector<Rect>& out) {
    out.insert(out.end(), p.cover.begin(), p.cover.end());
}

// Whether `a` lies inside `b`.
bool within(const Rect& a, const Rect& b) {
    return a.left >= b.left && a.top >= b.top && a.left + a.width <= b.left + b.width &&
           a.top + a.height <= b.top + b.height;
}

bool overlap(const Rect& a, const Rect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

Rect joined(const Rect& a, const Rect& b) {
    const int left = std::min(a.left, b.left), top = std::min(a.top, b.top);
    return {left, top, std::max(a.left + a.width, b.left + b.width) - left,
            std::max(a.top + a.height, b.top + b.height) - top};
}

double area(const Rect& r) {
    return static_cast<double>(r.width) * r.height;
}

// Joins two rectangles into the one round them wherever that one is little more than the two.
bool merge(std::vector<Rect>& rects) {
    bool merged = false;
    for (std::size_t i = 0; i < rects.size(); ++i) {
        for (std::size_t j = i + 1; j < rects.size();) {
            const Rect both = joined(rects[i], rects[j]);
            if (area(both) <= (area(rects[i]) + area(rects[j])) * kLittleMore) {
                rects[i] = both;
                rects.erase(rects.begin() + static_cast<std::ptrdiff_t>(j));
                merged = true;
                j = i + 1;
            } else {
                ++j;
            }
        }
    }
    return merged;
}

}  // namespace

std::vector<Rect> stroke_pieces(double x1, double y1, double x2, double y2, double width) {
    const bool level = std::abs(x2 - x1) >= std::abs(y2 - y1);
    // Along the longer way, cut at whole pixels; across it, what the line spans over each piece.
    const double a1 = level ? x1 : y1, a2 = level ? x2 : y2;
    const double b1 = level ? y1 : x1, b2 = level ? y2 : x2;
    const double from = std::min(a1, a2), to = std::max(a1, a2);
    const double slope = to > from ? (b2 - b1) / (a2 - a1) : 0;
    const auto across = [&](double a) { return b1 + slope * (std::clamp(a, from, to) - a1); };
    // Smoothing reaches half a pixel past the stroke's edge; one more pixel to spare. Across,
    // a slanting stroke is wider than it is square to itself.
    const double along = width / 2 + 1.5;
    const double side = width / 2 * std::sqrt(1 + slope * slope) + 1.5;
    const int pieces =
        std::clamp(static_cast<int>(std::ceil((to - from) / kStrip)), 1, kMostPieces);
    const auto cut = [&](int i) {
        if (i == 0) return static_cast<int>(std::floor(from - along));
        if (i == pieces) return static_cast<int>(std::ceil(to + along));
        return static_cast<int>(std::lround(from + (to - from) * i / pieces));
    };
    std::vector<Rect> out;
    out.reserve(static_cast<std::size_t>(pieces));
    for (int i = 0; i < pieces; ++i) {
        const int p = cut(i), q = cut(i + 1);
        const double lo = std::min(across(p), across(q)), hi = std::max(across(p), across(q));
        const int b = static_cast<int>(std::floor(lo - side));
        const int blen = static_cast<int>(std::ceil(hi + side)) - b;
        out.push_back(level ? Rect{p, b, q - p, blen} : Rect{b, p, blen, q - p});
    }
    return out;
}

std::optional<std::vector<Rect>> to_repaint(const std::vector<Painted>& before,
                                            const std::vector<Painted>& now, int width,
                                            int height) {
    if (before.empty()) return std::nullopt;
    // What the two share at the start and at the end, then the longest run of primitives they
    // share in order in between.
    std::size_t head = 0;
    while (head < before.size() && head < now.size() && same(before[head], now[head])) ++head;
    std::size_t tail = 0;
    while (tail < before.size() - head && tail < now.size() - head &&
           same(before[before.size() - 1 - tail], now[now.size() - 1 - tail])) {
        ++tail;
    }
    const std::size_t n = before.size() - head - tail, m = now.size() - head - tail;
    // shared[i][j]: how many the first i of before's middle and the first j of now's share.
    std::vector<std::uint16_t> shared((n + 1) * (m + 1), 0);
    const auto at = [&](std::size_t i, std::size_t j) -> std::uint16_t& {
        return shared[i * (m + 1) + j];
    };
    for (std::size_t i = 1; i <= n; ++i) {
        for (std::size_t j = 1; j <= m; ++j) {
            at(i, j) = same(before[head + i - 1], now[head + j - 1])
                           ? static_cast<std::uint16_t>(at(i - 1, j - 1) + 1)
                           : std::max(at(i - 1, j), at(i, j - 1));
        }
    }
    std::vector<Rect> out;
    for (std::size_t i = n, j = m; i > 0 || j > 0;) {
        if (i > 0 && j > 0 && same(before[head + i - 1], now[head + j - 1])) {
            --i;
            --j;
        } else if (j > 0 && (i == 0 || at(i, j - 1) >= at(i - 1, j))) {
            add_covers(now[head + --j], out);
        } else {
            add_covers(before[head + --i], out);
        }
    }
    // Every piece they meet, whole, and so on for what that piece meets; and rectangles that
    // lie over each other as one, for the browser clips to few rectangles sooner.
    for (bool grown = true; grown;) {
        grown = false;
        for (const Painted& p : now) {
            if (!p.whole) continue;
            for (const Rect& piece : p.cover) {
                const auto in = [&](const Rect& r) { return within(piece, r); };
                const auto touches = [&](const Rect& r) { return overlap(piece, r); };
                if (std::any_of(out.begin(), out.end(), touches) &&
                    std::none_of(out.begin(), out.end(), in)) {
                    out.push_back(piece);
                    grown = true;
                }
            }
        }
        grown = merge(out) || grown;
    }
    // Those on the canvas, whole: a clip cut at the canvas's edge is smoothed differently there
    // by some browsers. The whole canvas where they come to half of it.
    double on_area = 0;
    std::vector<Rect> on;
    on.reserve(out.size());
    for (const Rect& r : out) {
        const int left = std::max(r.left, 0), top = std::max(r.top, 0);
        const int right = std::min(r.left + r.width, width);
        const int bottom = std::min(r.top + r.height, height);
        if (right <= left || bottom <= top) continue;
        on.push_back(r);
        on_area += static_cast<double>(right - left) * (bottom - top);
    }
    if (on_area * 2 >= static_cast<double>(width) * height) return std::nullopt;
    return on;
}

bool meets(const std::vector<Rect>& cover, const std::vector<Rect>& rects) {
    return std::any_of(cover.begin(), cover.end(), [&](const Rect& c) {
        return std::any_of(rects.begin(), rects.end(),
                           [&](const Rect& r) { return overlap(c, r); });
    });
}

}  // namespace korru::web
