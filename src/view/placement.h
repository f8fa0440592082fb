// SPDX-License-Identifier: MIT
// Where the lesson stands. In korru's window: the lesson's band beside or below the bench's
// window. With the bench's window alone, the lesson's own window: beside the bench's window where
// the screen has room; where it has none (the bench's window fills most of every screen), where
// its bottom band, the bar and the notices, covers none of the bench and the controls, and the
// window the least of them. Plain geometry, in the screen's device-independent pixels.
#pragma once

#include <QRect>
#include <QSize>
#include <vector>

#include "lesson/lesson_plan.h"

namespace korru::view {

// The least room the desktop's lesson takes beside or below the bench's window (plan_lesson): a
// column the bar's buttons and the notebook fit in, a band as tall. Pixels.
inline constexpr LessonRoom kDesktopLessonRoom{300, 440};

// korru's window with the lesson's band, its client area: the bench's window (its client area,
// `bench`) at the top-left corner; the band on its `side`, kLessonGap from it and from the
// window's edges, as long as the bench's window or the `room` is, and as wide (or tall) as the
// room leaves, at least the lesson's least room.
struct BandLayout {
    QSize whole;
    QRect band;
};
BandLayout lay_out_band(QSize bench, QSize room, LessonSide side);

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
