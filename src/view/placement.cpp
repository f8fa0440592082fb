// SPDX-License-Identifier: MIT
// The lesson's band in korru's window, and the lesson window's place: every candidate scored by
// what it covers.
#include "view/placement.h"

#include <algorithm>
#include <tuple>

namespace korru::view {

namespace {

long long area(const QRect& r) {
    return r.isEmpty() ? 0 : static_cast<long long>(r.width()) * r.height();
}

long long covered(const QRect& r, const std::vector<QRect>& kept) {
    long long sum = 0;
    for (const QRect& k : kept) sum += area(r.intersected(k));
    return sum;
}

// `r` moved into the screen where it fits, to the screen's left or top edge where it does not.
QRect on_screen(QRect r, const QRect& screen) {
    r.moveLeft(std::max(screen.left(), std::min(r.left(), screen.right() + 1 - r.width())));
    r.moveTop(std::max(screen.top(), std::min(r.top(), screen.bottom() + 1 - r.height())));
    return r;
}

}  // namespace

BandLayout lay_out_band(QSize bench, QSize room, LessonSide side) {
    const int gap = kLessonGap;
    QRect band;
    if (side == LessonSide::beside) {
        const int column =
            std::max(kDesktopLessonRoom.column, room.width() - bench.width() - 2 * gap);
        band = QRect(bench.width() + gap, gap, column,
                     std::max(bench.height(), room.height()) - 2 * gap);
    } else {
        const int height =
            std::max(kDesktopLessonRoom.band, room.height() - bench.height() - 2 * gap);
        band = QRect(gap, bench.height() + gap, std::max(bench.width(), room.width()) - 2 * gap,
                     height);
    }
    return {QSize(band.right() + 1 + gap, band.bottom() + 1 + gap), band};
}

LessonSpot place_lesson_window(const LessonPlace& p) {
    const int w = p.window.width(), h = p.window.height();
    const QRect& m = p.main;
    const QRect& s = p.screen;
    // Beside first, in this order; then the corners of the bench's window and of the screen.
    std::vector<QPoint> corners{{m.right() + 1, m.top()},
                                {m.left(), m.bottom() + 1},
                                {m.left() - w, m.top()},
                                {m.left(), m.top() - h}};
    for (const int x : {m.left(), m.right() + 1 - w, s.left(), s.right() + 1 - w}) {
        for (const int y : {m.bottom() + 1 - h, m.top(), s.bottom() + 1 - h, s.top()}) {
            corners.emplace_back(x, y);
        }
    }
    QRect best;
    std::tuple<long long, long long, long long> least{-1, 0, 0};
    for (const QPoint& corner : corners) {
        const QRect r = on_screen(QRect(corner, p.window), s);
        const QRect band(r.left(), r.bottom() + 1 - p.band, r.width(), p.band);
        const std::tuple<long long, long long, long long> cost{
            covered(band, p.kept), covered(r, p.kept), area(r.intersected(m))};
        if (std::get<0>(least) < 0 || cost < least) {
            least = cost;
            best = r;
        }
    }
    return {best, std::get<1>(least)};
}

}  // namespace korru::view
