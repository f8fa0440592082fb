// SPDX-License-Identifier: MIT
// Twips to the page's pixels: a CSS pixel is a screen pixel of kTwipsPerPixel twips, rounded as
// every face rounds (pixel_of, pixel_box), so every item lands on the pixel it has on the
// desktop. Device pixels follow from CSS pixels as on every face (device_box, device_line_width).
#pragma once

#include <cmath>

#include "bench/drawing.h"
#include "window/screen.h"
#include "window/window.h"

namespace korru::web {

using Rect = PixelBox;

inline Rect px_rect(const Box& box) {
    return pixel_box(box);
}

inline Rect px_rect(const Item& it) {
    return px_rect(Box{it.left, it.top, it.width, it.height});
}

// The bench area's sunken border, as wide as the desktop's frame: the page's style draws it
// (content-box) around the bench's canvas, whose surface is the area inside it.
inline constexpr int kBenchBorderPixels = 2;

// The bench's canvas as CSS lays it out: at the bench area's corner, the size of the surface.
inline Rect bench_canvas_box(const Item& bench_area) {
    Rect box = px_rect(bench_area);
    box.width -= 2 * kBenchBorderPixels;
    box.height -= 2 * kBenchBorderPixels;
    return box;
}

}  // namespace korru::web
