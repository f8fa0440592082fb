// SPDX-License-Identifier: MIT
// XPM grids as pixels, each picture read once.
#include "bench/pictures.h"

#include <charconv>
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

}  // namespace korru
