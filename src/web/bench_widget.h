// SPDX-License-Identifier: MIT
// The bench area `work` on the page: its canvas placed on whole device pixels and painted as the
// session's lesson shows the bench, and the pointers on it. The mouse or a finger takes the
// candle there and drags it; the widget turns the drag into the arrow clicks that bring the
// candle under the pointer, once an animation frame, for the page to make as it makes every
// click. In the experiment it takes the pupil's screen the same way, and drags it along the axis
// by the screen's steps. While a prediction is asked for, a press that takes nothing puts the
// mark where it is let go.
#pragma once

#include <emscripten/val.h>

#include <functional>
#include <optional>
#include <string>

#include "commands/drag.h"
#include "lesson/screen_grip.h"
#include "lesson/session.h"
#include "web/bench_canvas.h"
#include "web/layout.h"

namespace korru::web {

class BenchWidget {
  public:
    // What the page does with the widget's gestures.
    struct Hooks {
        // A click of a drag, made: what it changed, or nothing once the page has stopped.
        std::function<std::optional<Outcome>(Step)> step;
        // The clicks of one frame of a drag made: what they changed, to be shown.
        std::function<void(const Outcome&)> moved;
        // The drag has ended: released, its touch cancelled or its pointer taken away.
        std::function<void()> dropped;
        // A press let go where it was made, while a prediction is asked for.
        std::function<void(BenchPoint)> marked;
        // A press took the candle or the screen: it is no long press.
        std::function<void()> took;
    };

    // `canvas` is the page's bench element; the session must outlive the widget.
    BenchWidget(emscripten::val canvas, Session& session, Hooks hooks);

    // Places the canvas as `layout` has the bench, on whole device pixels at `ratio` device
    // pixels to a CSS pixel, and paints the bench as the session shows it.
    void show(const PageLayout& layout, double ratio);

    // A pointer or touch event of the canvas, and the animation frame a drag asked for.
    void pointer(const emscripten::val& event);
    void frame();

    // While the candle or the pupil's screen is held.
    bool dragging() const { return grip_.held() || screen_.held(); }
    // Whatever is held is let go, and the drag's end told.
    void drop();
    // A press that would have put a mark is forgotten: it became a long press.
    void forget_press() { mark_pointer_ = -1; }
    // What is held is let go silently: another scene opens.
    void release();
    // The browser cleared the canvas (its context lost and restored): the next show paints it
    // all.
    void forget_painted() { painter_.forget_painted(); }
    // Nothing can be taken any more, and nothing is told: the page has stopped.
    void stop_taking();

    const emscripten::val& canvas() const { return canvas_; }

  private:
    BenchPoint on_bench(const emscripten::val& event) const;
    float reach() const;
    void show_cursor(const std::string& cursor);

    emscripten::val canvas_;
    Session& session_;
    const Window& model_;
    Hooks hooks_;
    BenchCanvas painter_;
    double scale_ = 1;  // the bench's CSS pixels to a pixel, as last placed
    std::string placed_, cursor_;
    bool taking_ = true;
    // The candle and the pupil's screen under a pointer: their grips, the pointer holding one
    // and where it was last.
    CandleGrip grip_;
    ScreenGrip screen_;
    int pointer_ = -1;
    BenchPoint pointer_at_;
    bool frame_asked_ = false;
    // A press that takes nothing while a prediction is asked for: a mark where it is let go,
    // unless it moved far or became a long press.
    int mark_pointer_ = -1;
    double mark_x_ = 0, mark_y_ = 0;
};

}  // namespace korru::web
