// SPDX-License-Identifier: MIT
// XPM decoding for the few forms assets/ uses (a header "width height colours chars-per-pixel",
// one line per colour, "<chars> c #RRGGBB" or "<chars> c None", and one string per row), and
// the oval as whole pixels, and the pixels a stretched picture shows.
#include "web/bitmap.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

namespace korru::web {

namespace {

[[noreturn]] void malformed(const std::string& what) {
    throw std::invalid_argument("malformed XPM: " + what);
}

std::array<std::uint8_t, 4> colour_of(std::string_view entry) {
    // The colour is the word after the key "c".
    const auto key = entry.find(" c ");
    if (key == std::string_view::npos) malformed("no colour in \"" + std::string(entry) + "\"");
    std::string_view value = entry.substr(key + 3);
    value = value.substr(0, value.find(' '));
    if (value == "None") return {0, 0, 0, 0};
    unsigned rgb = 0;
    const char* end = value.data() + value.size();
    if (value.size() != 7 || value[0] != '#' ||
        std::from_chars(value.data() + 1, end, rgb, 16).ptr != end) {
        malformed("colour \"" + std::string(value) + "\"");
    }
    return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
            static_cast<std::uint8_t>(rgb), 255};
}

}  // namespace

Bitmap decode_xpm(const char* const* xpm) {
    if (!xpm || !xpm[0]) malformed("no header");
    int header[4] = {};  // width, height, colours, characters per pixel
    const std::string_view line = xpm[0];
    const char* c = line.data();
    const char* const end = c + line.size();
    for (int& n : header) {
        while (c < end && *c == ' ') ++c;
        const auto [next, error] = std::from_chars(c, end, n);
        if (error != std::errc() || n <= 0 || n > 4096)
            malformed("header \"" + std::string(line) + "\"");
        c = next;
    }
    const auto [width, height, colours, chars] = header;
    std::map<std::string, std::array<std::uint8_t, 4>, std::less<>> palette;
    for (int i = 1; i <= colours; ++i) {
        const std::string_view line = xpm[i] ? xpm[i] : "";
        if (line.size() < static_cast<std::size_t>(chars))
            malformed("colour line " + std::to_string(i));
        palette[std::string(line.substr(0, static_cast<std::size_t>(chars)))] =
            colour_of(line.substr(static_cast<std::size_t>(chars)));
    }
    Bitmap b{width, height, {}};
    b.rgba.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    for (int y = 0; y < height; ++y) {
        const char* row = xpm[1 + colours + y];
        const std::string_view line = row ? row : "";
        if (line.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(chars)) {
            malformed("row " + std::to_string(y) + " is not " + std::to_string(width) + " pixels");
        }
        for (int x = 0; x < width; ++x) {
            const auto key =
                line.substr(static_cast<std::size_t>(x * chars), static_cast<std::size_t>(chars));
            const auto found = palette.find(key);
            if (found == palette.end())
                malformed("pixel \"" + std::string(key) + "\" has no colour");
            b.rgba.insert(b.rgba.end(), found->second.begin(), found->second.end());
        }
    }
    return b;
}

Bitmap turned(const Bitmap& b) {
    Bitmap t{b.width, b.height, std::vector<std::uint8_t>(b.rgba.size())};
    const std::size_t pixels = b.rgba.size() / 4;
    for (std::size_t i = 0; i < pixels; ++i) {
        std::copy_n(b.rgba.begin() + static_cast<std::ptrdiff_t>(i * 4), 4,
                    t.rgba.begin() + static_cast<std::ptrdiff_t>((pixels - 1 - i) * 4));
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
    auto* p = &b.rgba[(static_cast<std::size_t>(y) * static_cast<std::size_t>(b.width) +
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
    b.rgba.assign(static_cast<std::size_t>(b.width) * static_cast<std::size_t>(b.height) * 4, 0);
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

}  // namespace korru::web
