// SPDX-License-Identifier: MIT
// The bench's looks: the window's own, and one for a projector or a large screen seen from the
// back of a classroom, made from the same drawing. Its rules (how large text is against the
// bench, how wide a line, which colours read on what) are here once, for every face and the SVG;
// the faces paint what it gives them and size their own words by projector_sizes.
#pragma once

#include "bench/drawing.h"

namespace korru {

enum class BenchLook { window, projector };

// Sizes in pixels for a bench `bench_height` pixels high: text whose capitals stand at least a
// fortieth of the bench high, and lines at least two pixels across.
struct ProjectorSizes {
    int text = 0;  // a font's pixel size
    int line = 0;  // pixels across a ray, the axis, the mark
};
ProjectorSizes projector_sizes(int bench_height);

// The pixel size of the lesson's words (its bar, its notices) beside a bench `bench_height`
// pixels high in a look: the bench's words' in the projector's, 0 (a face's own) in the window's.
int lesson_word_pixels(BenchLook look, int bench_height);

// The contrast of two colours as the web's accessibility guidelines measure it, from 1 to 21.
double contrast_ratio(Rgb a, Rgb b);

// The least contrast of a text, and of an outline, against what lies behind it.
inline constexpr double kTextContrast = 4.5, kOutlineContrast = 3;

// `colour` taken towards white on a dark `back`, towards black on a light one, as little as
// gives at least `least` contrast against `back`.
Rgb readable_on(Rgb colour, Rgb back, double least);

// The drawing of a bench (the background first, as draw_bench puts it) in the projector's look:
// its texts on top, larger, each in a halo of the bench's colour and in a colour that reads on it;
// its rays, axis, lens line and marks wider; its pictures stretched smoothly and the real image
// outlined, so that it stands out on the light screen card.
void projector_look(Drawing& d);

}  // namespace korru
