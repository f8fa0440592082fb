// SPDX-License-Identifier: MIT
// How large a caption is set, for every face: the window's default size, or an item's own size
// from the definition made smaller until its caption fits the room its item gives it. Each face
// measures text with its own means; the rule is this one.
#pragma once

#include <cmath>

#include "window/definition.h"
#include "window/screen.h"

namespace korru {

// One line of text in a 255-twip row: 9 points.
inline constexpr int kDefaultFontPixels = 12;

// A push button's frame takes this much of its width and height.
inline constexpr int kButtonFramePixels = 4;

// The pixel size of an item's caption. `fits(pixels, width, height)` says whether the caption
// set at `pixels` fits a room of width x height pixels: for a push button, which centres its
// caption's ink, the ink; for any other item its whole line. Points are 4/3 of a pixel; the
// size never goes below the default, which an item without a font of its own keeps.
template <class Fits>
int caption_font_pixels(const ItemDef& def, Fits&& fits) {
    if (def.look.font.face.empty()) return kDefaultFontPixels;
    const int frame = def.kind == Kind::button ? kButtonFramePixels : 0;
    const int width = pixel_of(def.width) - frame, height = pixel_of(def.height) - frame;
    for (int pixels = static_cast<int>(std::lround(def.look.font.points * 4 / 3));; --pixels) {
        if (pixels <= kDefaultFontPixels || fits(pixels, width, height)) return pixels;
    }
}

}  // namespace korru
