// SPDX-License-Identifier: MIT
// Pixels the model computed as a PNG for an SVG, with no library: the image data in stored
// (uncompressed) deflate blocks, which every reader takes, and its two checksums.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "bench/drawing.h"

namespace korru {

// The PNG file of the pixels: 8-bit RGBA, not interlaced, every row unfiltered.
std::string png_file(const Rgba& pixels);

// The file as a data: URL, for an SVG's image.
std::string png_data_url(const Rgba& pixels);

// The checksums the file carries: a chunk's CRC-32 and the zlib stream's Adler-32.
std::uint32_t crc32(std::string_view bytes, std::uint32_t crc = 0);
std::uint32_t adler32(std::string_view bytes);

std::string base64(std::string_view bytes);

}  // namespace korru
