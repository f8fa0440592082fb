// SPDX-License-Identifier: MIT
// Twips to the page's pixels, in one place: a CSS pixel is a screen pixel of kTwipsPerPixel
// twips, rounded as the desktop rounds, so every item lands on the pixel it has there. Device
// pixels follow from CSS pixels, each edge rounded on its own, so that level and upright edges
// fall on whole device pixels at any devicePixelRatio.
#pragma once

#include <algorithm>
#include <cmath>

#include "bench/drawing.h"
#include "window/screen.h"
#include "window/window.h"

namespace korru::web {

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
};

// Far beyond any screen; a coordinate that is not finite or runs far off the window (only a
// broken model produces one) is held to it, as the desktop holds it.
inline constexpr double kPixelLimit = 1 << 22;

// The nearest whole CSS pixel.
inline int px(double twips) {
    const double p = std::floor(twips / kTwipsPerPixel + 0.5);
    if (std::isnan(p)) return 0;
    return static_cast<int>(std::clamp(p, -kPixelLimit, kPixelLimit));
}

// A box with its four edges rounded separately, so boxes that touch in twips touch on the page.
inline Rect px_rect(const Box& box) {
    const int left = px(box.left), top = px(box.top);
    const int right = px(static_cast<double>(box.left) + box.width);
    const int bottom = px(static_cast<double>(box.top) + box.height);
    return {left, top, right - left, bottom - top};
}

inline Rect px_rect(const Item& it) {
    return px_rect(Box{it.left, it.top, it.width, it.height});
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
