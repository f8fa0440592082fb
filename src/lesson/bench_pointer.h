// SPDX-License-Identifier: MIT
// How a pointer works the bench, the same on every face: how far from the candle or the pupil's
// screen a press takes it, and when a press puts a prediction's mark. The faces measure in their
// own device-independent pixels (the page in CSS pixels at the window's scale) and turn these
// into twips of the bench.
#pragma once

#include <cmath>

namespace korru {

// A press within this many pixels of the candle (a square this wide around it) or across the
// pupil's screen takes it: a fingertip's target, for a finger, a pen and a mouse alike, so that a
// thin candle is as easy to take on a tablet as with a mouse.
inline constexpr float kGripReachPixels = 44;

// While a prediction is asked for, a press that takes nothing puts the mark where it is let go,
// unless the pointer went further than this on the way (a scroll, a slip, a long press).
inline constexpr double kMarkSlackPixels = 10;
inline bool puts_mark(double dx_pixels, double dy_pixels) {
    return std::hypot(dx_pixels, dy_pixels) <= kMarkSlackPixels;
}

}  // namespace korru
