// SPDX-License-Identifier: MIT
// Shared set-up for the model tests: a window started on a screen given in pixels.
#pragma once

#include <ostream>
#include <string>
#include <utility>
#include <vector>

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

// A named run of clicks, each with how often it is clicked in a row; named in test output.
struct Lesson {
    const char* name;
    std::vector<std::pair<Click, int>> clicks;
};

inline void PrintTo(const Lesson& l, std::ostream* os) {
    *os << l.name;
}

// The window after the lesson's clicks.
inline Window after(const Lesson& lesson) {
    Window w = started();
    for (auto [c, n] : lesson.clicks) clicks(w, c, n);
    return w;
}

// For INSTANTIATE_TEST_SUITE_P: parameters that hold a lesson are named after it.
inline auto lesson_name = [](const auto& info) { return std::string(info.param.lesson.name); };

}  // namespace korru::test
