// SPDX-License-Identifier: MIT
// Where the lesson's window stands: beside the bench's window where the screen has room; where it
// has none (the bench's window fills most of every screen), where its bottom band, the bar and
// the notices, covers none of the bench and the controls, and the window the least of them.
// Plain geometry, in the screen's device-independent pixels.
#pragma once

#include <QRect>
#include <QSize>
#include <vector>

namespace korru::view {

struct LessonPlace {
    QSize window;             // the lesson window with its frame
    int band = 0;             // the height of its bottom band, the bar and the notices
    QRect main;               // the bench's window with its frame
    std::vector<QRect> kept;  // what must stay in sight: the bench and every control
    QRect screen;
};

// The lesson window's frame on the screen, and how much of what must stay in sight it covers
// there (square pixels).
struct LessonSpot {
    QRect frame;
    long long covered = 0;
};
LessonSpot place_lesson_window(const LessonPlace& p);

}  // namespace korru::view
