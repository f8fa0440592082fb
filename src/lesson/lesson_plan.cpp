// SPDX-License-Identifier: MIT
// The lesson's side and the window's screen, searched for over the screens start-up accepts.
#include "lesson/lesson_plan.h"

#include <cmath>

#include "commands/startup.h"
#include "window/layout.h"

namespace korru {

namespace {

// Screens up to this many times the region's width are tried: far more than any needs.
constexpr int kMaxScreenFactor = 16;

PixelBox box_of(const Item& it) {
    return pixel_box(it.left, it.top, it.width, it.height);
}

// Whether every control (panel, button, check box, option button and the bench) stands inside
// the client area, each where the model puts it.
bool controls_inside_client(const Window& w) {
    const PixelBox client = client_area(w, 0);
    for (std::size_t id = 0; id < kItemCount; ++id) {
        const ItemDef& def = kItems[id];
        if (def.container == "work" || def.kind == Kind::label) continue;
        PixelBox b = box_of(w.items[id]);
        if (def.container != "main") {
            const PixelBox holder = box_of(w[item_id(def.container)]);
            b.left += holder.left;
            b.top += holder.top;
        }
        if (b.left < 0 || b.top < 0 || b.left + b.width > client.width ||
            b.top + b.height > client.height) {
            return false;
        }
    }
    return true;
}

}  // namespace

AreaBox window_room(LessonSide side, const LessonRoom& lesson, bool edges, int width, int height) {
    const double gap = kLessonGap, outer = edges ? gap : 0;
    if (side == LessonSide::beside) {
        return {outer, outer, width - outer - 2 * gap - lesson.column, height - 2 * outer};
    }
    return {outer, outer, width - 2 * outer, height - outer - 2 * gap - lesson.band};
}

std::optional<Window> started_on(int width, int height) {
    Window w;
    try {
        start_up(w, ScreenSize::from_pixels(width, height));
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
    return w;
}

// Start-up makes a larger window on a larger screen of the same proportions, never a smaller
// one, so the screens that fit are those up to a width, which a halving search finds. A screen
// start-up refuses is too small.
std::optional<StartScreen> largest_screen(double width, double height,
                                          const std::function<bool(const Window&)>& fits) {
    if (width < 1 || height < 1) return std::nullopt;
    const auto screen_height = [&](int w) {
        return static_cast<int>(std::lround(w * height / width));
    };
    const auto too_large = [&](int w) {
        const auto window = started_on(w, screen_height(w));
        return window && !fits(*window);
    };
    int small = 1, large = kMaxScreenFactor * static_cast<int>(std::ceil(width));
    if (!too_large(large)) return std::nullopt;  // no window on any screen fills it
    while (large - small > 1) {
        const int middle = small + (large - small) / 2;
        (too_large(middle) ? large : small) = middle;
    }
    if (!started_on(small, screen_height(small))) return std::nullopt;
    return StartScreen{small, screen_height(small)};
}

PixelBox client_area(const Window& w, int screen_width) {
    PixelBox outer = box_of(w.main);
    outer.left = (screen_width - outer.width) / 2;
    const int side = pixel_of(kNominalFrameSide), title = pixel_of(kNominalTitleBar);
    return {outer.left + side, outer.top + title, outer.width - 2 * side,
            outer.height - title - side};
}

std::optional<LessonPlan> plan_lesson(int width, int height, const LessonRoom& lesson, bool edges,
                                      const WindowMeasure& measure) {
    std::optional<LessonPlan> best;
    double best_size = 0;
    for (LessonSide side : {LessonSide::beside, LessonSide::below}) {
        const AreaBox room = window_room(side, lesson, edges, width, height);
        const auto screen = largest_screen(room.width, room.height,
                                           [&](const Window& w) { return measure.fits(w, room); });
        if (!screen) continue;
        const auto w = started_on(screen->width, screen->height);
        if (!w) continue;
        const double size = measure.size(*w);
        if (size < 0) continue;
        if (!best || size > best_size) {
            best = LessonPlan{*screen, side};
            best_size = size;
        }
    }
    return best;
}

WindowMeasure client_measure() {
    return {
        [](const Window& w, const AreaBox& room) {
            const PixelBox c = client_area(w, 0);
            return c.width <= room.width && c.height <= room.height;
        },
        [](const Window& w) { return controls_inside_client(w) ? client_area(w, 0).width : -1.0; }};
}

}  // namespace korru
