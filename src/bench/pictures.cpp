// SPDX-License-Identifier: MIT
// XPM grids as pixels, each picture read once.
#include "bench/pictures.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <stdexcept>
#include <string>

#include "assets/candle.xpm"

namespace korru {

namespace {

[[noreturn]] void malformed(const std::string& what) {
    throw std::invalid_argument("malformed XPM: " + what);
}

std::array<std::uint8_t, 4> colour_of(std::string_view entry) {
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

Rgba decode_xpm(const char* const* xpm) {
    if (!xpm || !xpm[0]) malformed("no header");
    int header[4] = {};  // width, height, colours, characters per pixel
    const std::string_view first = xpm[0];
    const char* c = first.data();
    const char* const end = c + first.size();
    for (int& n : header) {
        while (c < end && *c == ' ') ++c;
        const auto [next, error] = std::from_chars(c, end, n);
        if (error != std::errc() || n <= 0 || n > 4096) {
            malformed("header \"" + std::string(first) + "\"");
        }
        c = next;
    }
    const auto [width, height, colours, chars] = header;
    const auto per_pixel = static_cast<std::size_t>(chars);
    std::map<std::string, std::array<std::uint8_t, 4>, std::less<>> palette;
    for (int i = 1; i <= colours; ++i) {
        const std::string_view line = xpm[i] ? xpm[i] : "";
        if (line.size() < per_pixel) malformed("colour line " + std::to_string(i));
        palette[std::string(line.substr(0, per_pixel))] = colour_of(line.substr(per_pixel));
    }
    Rgba out{width, height, {}};
    out.bytes.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    for (int y = 0; y < height; ++y) {
        const char* row = xpm[1 + colours + y];
        const std::string_view line = row ? row : "";
        if (line.size() != static_cast<std::size_t>(width) * per_pixel) {
            malformed("row " + std::to_string(y) + " is not " + std::to_string(width) + " pixels");
        }
        for (std::size_t x = 0; x < line.size(); x += per_pixel) {
            const auto found = palette.find(line.substr(x, per_pixel));
            if (found == palette.end()) malformed("a pixel of row " + std::to_string(y));
            out.bytes.insert(out.bytes.end(), found->second.begin(), found->second.end());
        }
    }
    return out;
}

const Rgba& picture_pixels(std::string_view name) {
    static const Rgba candle = decode_xpm(candle_xpm);
    if (name != "candle") throw std::invalid_argument("no picture named " + std::string(name));
    return candle;
}

bool drawn_smoothly(const Picture& pic, double ratio) {
    if (pic.smooth || pic.outline_width > 0) return true;
    return pixel_of(pic.scale) * ratio > kBlockyStretch * picture_pixels(pic.name).height;
}

Rgba smooth_picture(const Picture& pic, int width, int height, double ratio) {
    const Rgba& source = picture_pixels(pic.name);
    Rgba out{std::max(width, 0), std::max(height, 0), {}};
    const auto w = static_cast<std::size_t>(out.width), h = static_cast<std::size_t>(out.height);
    out.bytes.assign(w * h * 4, 0);
    if (w == 0 || h == 0) return out;
    // Premultiplied, so that the clear pixels' colour bleeds into no edge.
    const auto at = [&](int x, int y, int c) {
        if (x < 0 || y < 0 || x >= source.width || y >= source.height) {
            if (pic.outline_width > 0) return 0.0;  // the margin is clear
            x = std::clamp(x, 0, source.width - 1);
            y = std::clamp(y, 0, source.height - 1);
        }
        if (pic.turned) x = source.width - 1 - x, y = source.height - 1 - y;
        const std::size_t i =
            (static_cast<std::size_t>(y) * static_cast<std::size_t>(source.width) +
             static_cast<std::size_t>(x)) *
            4;
        const double alpha = source.bytes[i + 3] / 255.0;
        return c == 3 ? alpha : source.bytes[i + static_cast<std::size_t>(c)] * alpha;
    };
    // An outlined picture leaves its outline's width clear round it, for the outline.
    const int r = std::max(1, static_cast<int>(std::lround(pic.outline_width * ratio)));
    const int m = pic.outline_width > 0 ? std::min(r, std::min(out.width, out.height) / 4) : 0;
    const double inner_w = out.width - 2 * m, inner_h = out.height - 2 * m;
    std::vector<double> alpha(w * h);
    for (std::size_t y = 0; y < h; ++y) {
        const double sy = (static_cast<double>(y) - m + 0.5) * source.height / inner_h - 0.5;
        const int y0 = static_cast<int>(std::floor(sy));
        const double fy = sy - y0;
        for (std::size_t x = 0; x < w; ++x) {
            const double sx = (static_cast<double>(x) - m + 0.5) * source.width / inner_w - 0.5;
            const int x0 = static_cast<int>(std::floor(sx));
            const double fx = sx - x0;
            double v[4];
            for (int c = 0; c < 4; ++c) {
                v[c] = (at(x0, y0, c) * (1 - fx) + at(x0 + 1, y0, c) * fx) * (1 - fy) +
                       (at(x0, y0 + 1, c) * (1 - fx) + at(x0 + 1, y0 + 1, c) * fx) * fy;
            }
            const std::size_t i = (y * w + x) * 4;
            alpha[y * w + x] = v[3];
            for (int c = 0; c < 3; ++c) {
                out.bytes[i + static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(
                    v[3] > 0 ? std::clamp(std::lround(v[c] / v[3]), 0L, 255L) : 0);
            }
            out.bytes[i + 3] = static_cast<std::uint8_t>(std::lround(v[3] * 255));
        }
    }
    if (pic.outline_width <= 0) return out;
    // The outline: every pixel within its width of the picture's more than half-covered ones.
    const Rgba inside = out;
    for (std::size_t y = 0; y < h; ++y) {
        for (std::size_t x = 0; x < w; ++x) {
            bool near = false;
            for (int dy = -r; dy <= r && !near; ++dy) {
                for (int dx = -r; dx <= r && !near; ++dx) {
                    const long nx = static_cast<long>(x) + dx, ny = static_cast<long>(y) + dy;
                    near = dx * dx + dy * dy <= r * r && nx >= 0 && ny >= 0 &&
                           nx < static_cast<long>(w) && ny < static_cast<long>(h) &&
                           alpha[static_cast<std::size_t>(ny) * w + static_cast<std::size_t>(nx)] >=
                               0.5;
                }
            }
            if (!near) continue;
            const std::size_t i = (y * w + x) * 4;
            // Outside the picture's edge the outline alone, inside it the picture over it.
            const double a = alpha[y * w + x] >= 0.5 ? inside.bytes[i + 3] / 255.0 : 0;
            for (int c = 0; c < 3; ++c) {
                const double under = (pic.outline >> (16 - 8 * c)) & 0xFF;
                out.bytes[i + static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(std::lround(
                    inside.bytes[i + static_cast<std::size_t>(c)] * a + under * (1 - a)));
            }
            out.bytes[i + 3] = 255;
        }
    }
    return out;
}

}  // namespace korru
