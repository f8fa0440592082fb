// SPDX-License-Identifier: MIT
// The page's own bitmaps: a picture given a half turn, the oval as whole pixels, and the pixels a
// stretched picture shows.
#include "web/bitmap.h"

#include <algorithm>
#include <cmath>

namespace korru::web {

Bitmap turned(const Bitmap& b) {
    Bitmap t{b.width, b.height, std::vector<std::uint8_t>(b.bytes.size())};
    const std::size_t pixels = b.bytes.size() / 4;
    for (std::size_t i = 0; i < pixels; ++i) {
        std::copy_n(b.bytes.begin() + static_cast<std::ptrdiff_t>(i * 4), 4,
                    t.bytes.begin() + static_cast<std::ptrdiff_t>((pixels - 1 - i) * 4));
    }
    return t;
}

namespace {

// The pixels of one row whose centres lie inside the ellipse inscribed in a box, `inset`
// pixels in from each side, as [first, last); empty where the row misses it. A centre on the
// ellipse counts as inside.
struct Span {
    int first = 0, last = 0;
};

Span span(int width, int height, int inset, int row) {
    const double cx = width / 2.0, cy = height / 2.0;
    const double rx = cx - inset, ry = cy - inset;
    const double dy = row + 0.5 - cy;
    const double e = 1e-9;  // so that rounding decides no pixel
    if (rx < 0 || ry <= 0 || std::fabs(dy) > ry + e) return {};
    const double half = rx * std::sqrt(std::max(0.0, 1 - (dy / ry) * (dy / ry)));
    const int first = static_cast<int>(std::ceil(cx - half - 0.5 - e));
    const int last = static_cast<int>(std::floor(cx + half - 0.5 + e)) + 1;
    return first < last ? Span{first, last} : Span{};
}

void paint(Bitmap& b, int x, int y, std::uint32_t rgb) {
    auto* p = &b.bytes[(static_cast<std::size_t>(y) * static_cast<std::size_t>(b.width) +
                        static_cast<std::size_t>(x)) *
                       4];
    p[0] = static_cast<std::uint8_t>(rgb >> 16);
    p[1] = static_cast<std::uint8_t>(rgb >> 8);
    p[2] = static_cast<std::uint8_t>(rgb);
    p[3] = 255;
}

}  // namespace

// The outline is the oval less the oval `thickness` pixels in from each side, row by row: the
// pixels that a pen of that width drawn along the box's inside edge covers. What the inner oval
// covers is filled.
Bitmap oval(int width, int height, int thickness, std::uint32_t outline, std::uint32_t fill) {
    Bitmap b{std::max(width, 0), std::max(height, 0), {}};
    b.bytes.assign(static_cast<std::size_t>(b.width) * static_cast<std::size_t>(b.height) * 4, 0);
    for (int y = 0; y < b.height; ++y) {
        const Span outer = span(width, height, 0, y), inner = span(width, height, thickness, y);
        for (int x = outer.first; x < outer.last; ++x) {
            paint(b, x, y, x >= inner.first && x < inner.last ? fill : outline);
        }
    }
    return b;
}

std::vector<int> nearest_pixels(int source, int dest) {
    std::vector<int> out(static_cast<std::size_t>(std::max(dest, 0)));
    if (source <= 0 || dest <= 0) return out;
    const double scale = static_cast<double>(source) / dest;
    const auto step = static_cast<std::uint32_t>(65536 * scale);
    std::uint32_t at = static_cast<std::uint32_t>(std::ceil(0.5 * scale * 65536)) - 1;
    for (int& pixel : out) {
        pixel = std::min(static_cast<int>(at >> 16), source - 1);
        at += step;
    }
    return out;
}

Bitmap stretched(const Bitmap& b, int width, int height) {
    Bitmap s{std::max(width, 0), std::max(height, 0), {}};
    s.bytes.resize(static_cast<std::size_t>(s.width) * static_cast<std::size_t>(s.height) * 4);
    const std::vector<int> columns = nearest_pixels(b.width, s.width),
                           rows = nearest_pixels(b.height, s.height);
    auto out = s.bytes.begin();
    for (const int row : rows) {
        for (const int column : columns) {
            out = std::copy_n(
                b.bytes.begin() + 4 * (static_cast<std::ptrdiff_t>(row) * b.width + column), 4,
                out);
        }
    }
    return s;
}

}  // namespace korru::web
