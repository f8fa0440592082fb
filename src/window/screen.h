// SPDX-License-Identifier: MIT
// The screen the window is fitted to, in twips. Screens are measured in pixels of 15 twips
// (96 pixels to the inch); this is the one place that number is written.
#pragma once

namespace korru {

inline constexpr float kTwipsPerPixel = 15;

struct ScreenSize {
    float width = 0, height = 0;  // twips

    static constexpr ScreenSize from_pixels(int width_px, int height_px) {
        return {static_cast<float>(width_px) * kTwipsPerPixel,
                static_cast<float>(height_px) * kTwipsPerPixel};
    }
};

}  // namespace korru
