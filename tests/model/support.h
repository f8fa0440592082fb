// SPDX-License-Identifier: MIT
// Shared set-up for the model tests: a window started on a screen given in pixels.
#pragma once

#include <ostream>

#include "commands/commands.h"
#include "commands/startup.h"

namespace korru {

// Readable parameters in test output: "fmove(0)", "1024x768 px".
inline void PrintTo(Click c, std::ostream* os) {
    *os << click_name(c);
}
inline void PrintTo(ScreenSize s, std::ostream* os) {
    *os << s.width / kTwipsPerPixel << "x" << s.height / kTwipsPerPixel << " px";
}

}  // namespace korru

namespace korru::test {

inline Window started(ScreenSize screen) {
    Window w;
    start_up(w, screen);
    return w;
}

inline Window started(int w_px = 1024, int h_px = 768) {
    return started(ScreenSize::from_pixels(w_px, h_px));
}

// The screen whose bench is 10440 x 5220 twips, with a unit of 261.
inline Window started_12000() {
    return started(ScreenSize{12000, 9000});
}

inline void clicks(Window& w, Click c, int n) {
    for (int i = 0; i < n; ++i) click(w, c);
}

}  // namespace korru::test
