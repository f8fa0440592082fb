// SPDX-License-Identifier: MIT
// Where a face puts the lesson beside the window: a column at the window's right or a band below
// it, whichever leaves the window the larger, and the screen the window starts up on so that it
// fills what the lesson leaves of the face's area (the page's viewport, the desktop's screen).
// Each face says how much room its lesson needs at least and what fitting means for its window;
// the rule is this one. Plain C++, built and tested natively.
#pragma once

#include <functional>
#include <optional>

#include "window/screen.h"
#include "window/window.h"

namespace korru {

// The lesson's area: a column beside the window, or a band below it.
enum class LessonSide { beside, below };

// The room a face keeps between the window and the lesson, and at the area's far edges. Pixels.
inline constexpr int kLessonGap = 8;

// A box of a face's area, in its pixels (CSS pixels on the page).
struct AreaBox {
    double left = 0, top = 0, width = 0, height = 0;
    double right() const { return left + width; }
    double bottom() const { return top + height; }
};

// The least room a face's lesson takes: the column's width beside the window, the band's height
// below it. Pixels.
struct LessonRoom {
    int column = 0, band = 0;
};

// The room the window has in an area of width x height beside or below the lesson's least room:
// a gap between them and at the area's far edge, and with `edges` a gap at every edge.
AreaBox window_room(LessonSide side, const LessonRoom& lesson, bool edges, int width, int height);

// The window started up on a screen of width x height pixels, or none where start-up refuses it.
std::optional<Window> started_on(int width, int height);

// A screen the window starts up on, in pixels.
struct StartScreen {
    int width = 0, height = 0;
};

// The largest screen of a region's proportions whose window `fits` (a test on the window
// started up on it); none where no screen's window does, or every screen's would.
std::optional<StartScreen> largest_screen(double width, double height,
                                          const std::function<bool(const Window&)>& fits);

// The window's client area on the screen, in pixels: the outer window as start-up fits it,
// centred across a screen `screen_width` wide, inside the frame a face assumes.
PixelBox client_area(const Window& w, int screen_width);

// A face's window in a room: whether it `fits` there, and how large it is (its `size`, the
// larger the better; below zero for a window the face cannot use).
struct WindowMeasure {
    std::function<bool(const Window&, const AreaBox& room)> fits;
    std::function<double(const Window&)> size;
};

// Where the lesson stands in an area of width x height and the screen the window starts up on:
// on each side the largest screen whose window fits the room the lesson leaves, the side whose
// window is the larger (beside where they are equal). None where no window fits either side.
struct LessonPlan {
    StartScreen screen;
    LessonSide side = LessonSide::beside;
};
std::optional<LessonPlan> plan_lesson(int width, int height, const LessonRoom& lesson, bool edges,
                                      const WindowMeasure& measure);

// The window as the desktop shows it beside the lesson: its client area inside the room, every
// control in it, as large as its width.
WindowMeasure client_measure();

}  // namespace korru
