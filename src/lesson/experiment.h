// SPDX-License-Identifier: MIT
// The experiment: the pupil's own screen, moved along the bench until the candle's image on it is
// sharp, and a card over either half of the lens. What the screen shows is the light that
// reaches it by the thin-lens law, computed here as pixels every face paints alike. It stands
// beside the window, never in it: with it off, every picture and number is the window's.
#pragma once

#include "bench/drawing.h"
#include "commands/drag.h"
#include "window/window.h"

namespace korru {

struct Experiment {
    // The screen's places, in quarter squares right of the lens, the same on every screen: from
    // the first quarter to the bench's right edge, 20 squares. It starts 10 squares right, half
    // way, well beyond the image of the candle as the window starts (5.33 squares), so that the
    // pupil has to look for it.
    static constexpr int kNearest = 1, kFarthest = 80, kFirst = 40;

    bool on = false;
    int quarters = kFirst;  // where the screen stands; read within the limits, whatever it holds
    bool upper_covered = false, lower_covered = false;

    // A quarter square away from the lens (screen_r) or towards it (screen_l), held at the
    // limits; whether the screen moved.
    bool screen_r();
    bool screen_l();
    void cover_upper() { upper_covered = !upper_covered; }
    void cover_lower() { lower_covered = !lower_covered; }
};

// The numbers of the experiment, as the lesson says and records them.
struct ExperimentFacts {
    float screen_x;  // twips: the screen's distance right of the lens, x
    float blur;      // twips: how wide each point of the candle spreads on it, D * |1 - x/b|
    float scale;     // x/a: the candle's image on the screen beside the candle, turned over
    float open;      // the share of the lens that lets light through: 1, 0.5 or 0
};

// From the candle's distance a, the focal length f, the lens's height D and x, with b the image
// distance (1/b = 1/f - 1/a, negative for a virtual image, and 1/b = 0 where the window forms no
// image, the candle on the focal point). Raises RuntimeError as the scene update does.
ExperimentFacts experiment_facts(const Window& w, const Experiment& e);

// Taking the screen with a pointer: a press on its card, or within `reach` twips of its middle
// across the bench (a finger's target); and the screen_r (positive) or screen_l (negative) steps
// that bring its middle nearest to `x`, within its limits. A face delivers them one by one as
// clicks, so that a drag is replayed like any other clicks.
bool takes_screen(const Window& w, const Experiment& e, BenchPoint p, float reach);
int screen_steps_to(const Window& w, const Experiment& e, float x);

// The bench's drawing `out` (draw_bench's, or the lesson's) made the experiment's, when it is on:
// the image in the air and its label left out; the screen a card as tall as the bench at x, with
// the light on it as a Raster for a face painting at `ratio` device pixels to a pixel; the rays
// ending at the screen, and those through a covered half at the lens; the covers on the lens.
// The card and its light are the screen's item (scrn), so that a prediction, which hides the
// screen, can hide them; the pupil's screen shows whether the screen's check box is ticked or not.
void draw_experiment(const Window& w, const Experiment& e, double ratio, Drawing& out);

}  // namespace korru
