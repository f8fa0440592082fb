// SPDX-License-Identifier: MIT
// The light a thin lens throws on a screen, as pixels: each point of a picture lands where its ray
// through the lens's centre meets the screen and spreads there over the lens's open aperture,
// scaled by how far the screen stands from where that point's image forms. Computed on the
// device pixels a face paints, and on fewer where the light is spread wide.
#pragma once

#include <optional>

#include "bench/drawing.h"

namespace korru {

// The part of the lens that lets light through.
enum class Aperture { whole, upper_half, lower_half, none };

struct Throw {
    Box card;        // twips: the screen; the light that misses it is lost
    Box image;       // twips: where the picture lands sharp, given a half turn (the central rays)
    float diameter;  // twips: the lens's aperture, a disc
    // 1 - x/b: the aperture's image about each point, as a share of its size; negative where it
    // is turned over (the screen beyond the image)
    float spread;
    Aperture open;
};

// The most raster pixels a blur spans across: the work of a pixel is bounded, and the faces
// stretch the raster smoothly over its box.
inline constexpr int kBlurPixels = 16;

// The light on the card as pixels over the part of it that light reaches, for a face painting at
// `ratio` device pixels to a pixel; none where no light reaches it. Each pixel's colour is what
// covers it on average, its alpha how much light falls there: where the picture is opaque and
// sharp, and all the lens open, it is the picture itself.
std::optional<Raster> screen_light(const Throw& t, const Rgba& picture, double ratio, int item);

}  // namespace korru
