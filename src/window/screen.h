// SPDX-License-Identifier: MIT
// The screen the window is fitted to, in twips, and twips as whole pixels. Screens are measured
// in pixels of 15 twips (96 pixels to the inch); this is the one place that number is written,
// and the one place a twip coordinate becomes a pixel, for every face.
#pragma once

#include <algorithm>
#include <cmath>

namespace korru {

inline constexpr float kTwipsPerPixel = 15;

struct ScreenSize {
    float width = 0, height = 0;  // twips

    static constexpr ScreenSize from_pixels(int width_px, int height_px) {
        return {static_cast<float>(width_px) * kTwipsPerPixel,
                static_cast<float>(height_px) * kTwipsPerPixel};
    }
};

// The nearest whole pixel. A coordinate that is not finite or runs far off any screen (only a
// broken model produces one) is held to a range every painter handles, instead of overflowing.
inline int pixel_of(double twips) {
    constexpr double kLimit = 1 << 22;
    const double p = std::floor(twips / kTwipsPerPixel + 0.5);
    if (std::isnan(p)) return 0;
    return static_cast<int>(std::clamp(p, -kLimit, kLimit));
}

struct PixelBox {
    int left = 0, top = 0, width = 0, height = 0;
};

// A box with its four edges rounded separately, so that boxes that touch in twips touch in
// pixels.
inline PixelBox pixel_box(float left, float top, float width, float height) {
    const int l = pixel_of(left), t = pixel_of(top);
    const int r = pixel_of(static_cast<double>(left) + width);
    const int b = pixel_of(static_cast<double>(top) + height);
    return {l, t, r - l, b - t};
}

// Pixels at `ratio` device pixels to a pixel (a screen's devicePixelRatio): a pixel coordinate
// rounded to the nearest device pixel, and a box with each edge rounded on its own, so that
// level and upright edges fall on whole device pixels at any ratio.
inline int device_of(int pixel, double ratio) {
    return static_cast<int>(std::floor(pixel * ratio + 0.5));
}

inline PixelBox device_box(const PixelBox& b, double ratio) {
    const int l = device_of(b.left, ratio), t = device_of(b.top, ratio);
    return {l, t, device_of(b.left + b.width, ratio) - l, device_of(b.top + b.height, ratio) - t};
}

// A line one pixel wide, in device pixels: the same for every line at one ratio, at least one.
inline int device_line_width(double ratio) {
    return std::max(1, static_cast<int>(std::lround(ratio)));
}

}  // namespace korru
