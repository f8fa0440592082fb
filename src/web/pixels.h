// SPDX-License-Identifier: MIT
// Twips to the page's pixels: a CSS pixel is a screen pixel of kTwipsPerPixel twips, rounded as
// every face rounds (pixel_of, pixel_box), so every item lands on the pixel it has on the
// desktop. Device pixels follow from CSS pixels, each edge rounded on its own, so that level and
// upright edges fall on whole device pixels at any devicePixelRatio.
#pragma once

#include <cmath>

#include "bench/drawing.h"
#include "window/screen.h"
#include "window/window.h"

namespace korru::web {

using Rect = PixelBox;

inline Rect px_rect(const Box& box) {
    return pixel_box(box.left, box.top, box.width, box.height);
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

// A CSS pixel coordinate in device pixels.
inline int device(int css, double ratio) {
    return static_cast<int>(std::floor(css * ratio + 0.5));
}

// A CSS pixel rectangle in device pixels, each edge rounded on its own.
inline Rect device(const Rect& r, double ratio) {
    const int left = device(r.left, ratio), top = device(r.top, ratio);
    return {left, top, device(r.left + r.width, ratio) - left,
            device(r.top + r.height, ratio) - top};
}

}  // namespace korru::web
