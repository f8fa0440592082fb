// SPDX-License-Identifier: MIT
// RGBA bitmaps that the page makes in C++ for its canvas, with no browser and no conversion step
// in the build: the pictures of assets/ turned, and the lens's oval, which the desktop draws
// without smoothing and a canvas cannot.
#pragma once

#include <cstdint>
#include <vector>

#include "bench/pictures.h"

namespace korru::web {

// Rows top to bottom, 4 bytes a pixel, "None" fully clear: the model's own pixels, read from the
// XPM grids by its decode_xpm.
using Bitmap = Rgba;

// The bitmap given a half turn: mirrored left to right and top to bottom.
Bitmap turned(const Bitmap& b);

// Which of `source` pixels each of `dest` pixels shows when a picture is stretched without
// smoothing, by the desktop's rule: a sixteenth-bit step from half a step in, so that every
// engine shows the pixels the desktop shows (browsers differ where a pixel's centre falls on
// the edge between two).
std::vector<int> nearest_pixels(int source, int dest);

// The bitmap stretched to width x height pixels without smoothing, each pixel the one of `b`
// that nearest_pixels names: what the desktop shows of a picture drawn in a box of that size.
Bitmap stretched(const Bitmap& b, int width, int height);

// An oval filling a box of width x height pixels, with an outline `thickness` pixels wide on its
// outermost pixels; clear outside it. Colours are 0xRRGGBB.
Bitmap oval(int width, int height, int thickness, std::uint32_t outline, std::uint32_t fill);

}  // namespace korru::web
