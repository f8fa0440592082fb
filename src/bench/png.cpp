// SPDX-License-Identifier: MIT
// A PNG is a signature and chunks (length, type, data, CRC-32 of type and data); its image data
// is a zlib stream (a header, deflate blocks, the Adler-32 of the raw bytes) of the rows, each
// after a filter byte. Stored blocks hold at most 65535 bytes each.
#include "bench/png.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace korru {

namespace {

constexpr auto kCrcTable = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}();

void big_endian(std::string& out, std::uint32_t n) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((n >> shift) & 0xFF);
}

void chunk(std::string& out, std::string_view type, std::string_view data) {
    big_endian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t from = out.size();
    out += type;
    out += data;
    big_endian(out, crc32(std::string_view(out).substr(from)));
}

}  // namespace

std::uint32_t crc32(std::string_view bytes, std::uint32_t crc) {
    crc = ~crc;
    for (char b : bytes) crc = kCrcTable[(crc ^ static_cast<unsigned char>(b)) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

std::uint32_t adler32(std::string_view bytes) {
    constexpr std::uint32_t kMod = 65521;
    std::uint32_t a = 1, b = 0;
    // 5552 bytes is the most that cannot overflow b before it is reduced.
    for (std::size_t at = 0; at < bytes.size(); at += 5552) {
        for (char c : bytes.substr(at, 5552)) {
            a += static_cast<unsigned char>(c);
            b += a;
        }
        a %= kMod;
        b %= kMod;
    }
    return b << 16 | a;
}

std::string png_file(const Rgba& pixels) {
    const auto width = static_cast<std::size_t>(pixels.width),
               height = static_cast<std::size_t>(pixels.height);
    if (pixels.width <= 0 || pixels.height <= 0 || pixels.bytes.size() != width * height * 4) {
        throw std::invalid_argument("a PNG needs whole rows of RGBA pixels");
    }
    std::string raw;
    raw.reserve((width * 4 + 1) * height);
    for (std::size_t y = 0; y < height; ++y) {
        raw += '\0';  // no filter
        const auto* row = pixels.bytes.data() + y * width * 4;
        raw.append(reinterpret_cast<const char*>(row), width * 4);
    }

    std::string z = "\x78\x01";  // deflate, 32K window, no dictionary, fastest
    for (std::size_t at = 0; at < raw.size(); at += 65535) {  // never empty: a row at least
        const std::size_t n = std::min<std::size_t>(65535, raw.size() - at);
        z += at + n == raw.size() ? '\1' : '\0';  // the last block, stored
        z += static_cast<char>(n & 0xFF);
        z += static_cast<char>(n >> 8);
        z += static_cast<char>(~n & 0xFF);
        z += static_cast<char>((~n >> 8) & 0xFF);
        z.append(raw, at, n);
    }
    big_endian(z, adler32(raw));

    std::string header;
    big_endian(header, static_cast<std::uint32_t>(width));
    big_endian(header, static_cast<std::uint32_t>(height));
    header += std::string("\x08\x06\x00\x00\x00", 5);  // 8 bits, RGBA, deflate, no filter, plain

    std::string out = "\x89PNG\r\n\x1A\n";
    chunk(out, "IHDR", header);
    chunk(out, "IDAT", z);
    chunk(out, "IEND", {});
    return out;
}

std::string base64(std::string_view bytes) {
    static constexpr char kDigits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t at = 0; at < bytes.size(); at += 3) {
        const std::size_t n = std::min<std::size_t>(3, bytes.size() - at);
        std::uint32_t group = 0;
        for (std::size_t k = 0; k < 3; ++k) {
            group = group << 8 | (k < n ? static_cast<unsigned char>(bytes[at + k]) : 0u);
        }
        for (std::size_t k = 0; k < 4; ++k) {
            out += k <= n ? kDigits[(group >> (18 - 6 * k)) & 0x3F] : '=';
        }
    }
    return out;
}

std::string png_data_url(const Rgba& pixels) {
    return "data:image/png;base64," + base64(png_file(pixels));
}

}  // namespace korru
