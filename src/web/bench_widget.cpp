// SPDX-License-Identifier: MIT
#include "web/bench_widget.h"

#include <cmath>
#include <utility>

#include "lesson/bench_pointer.h"
#include "web/css.h"

namespace korru::web {

using emscripten::val;

BenchWidget::BenchWidget(val canvas, Session& session, Hooks hooks)
    : canvas_(std::move(canvas)),
      session_(session),
      model_(session.window()),
      hooks_(std::move(hooks)),
      painter_(canvas_) {}

// The bench's surface on whole device pixels, its backing store one to one with them, however
// far the window is scaled: it is placed from the device pixels it covers, not scaled.
void BenchWidget::show(const PageLayout& layout, double ratio) {
    const Placed at = place_item(model_, layout, Window::ids::bench_area);
    const double k = at.scale;
    scale_ = layout.scale;
    const CssBox& client = layout.client;
    const Rect surface = bench_canvas_box(model_[Window::ids::bench_area]);
    const double border = kBenchBorderPixels * k;
    const double device_left = std::floor((client.left + at.left + border) * ratio + 0.5);
    const double device_top = std::floor((client.top + at.top + border) * ratio + 0.5);
    painter_.resize(surface.width, surface.height, k * ratio);
    const double width = painter_.device_width() / ratio, height = painter_.device_height() / ratio;
    const double left = device_left / ratio - client.left - border,
                 top = device_top / ratio - client.top - border;
    std::string placed = css_pixels(left) + css_pixels(top) + css_pixels(width) +
                         css_pixels(height) + css_pixels(border);
    if (placed != placed_) {
        place(canvas_, {left, top, width, height});
        canvas_["style"].set("borderWidth", css_pixels(border));
        placed_ = std::move(placed);
    }
    // The light on the pupil's screen computed for the device pixels it is painted on.
    painter_.paint(session_.bench_drawing(layout.scale * ratio));
}

// Where a pointer event is on the bench, in twips: from the canvas's surface, inside its border,
// at the bench's scale.
BenchPoint BenchWidget::on_bench(const val& event) const {
    const val box = canvas_.call<val>("getBoundingClientRect");
    const double k = scale_, border = kBenchBorderPixels * k;
    const double x = (event["clientX"].as<double>() - box["left"].as<double>() - border) / k;
    const double y = (event["clientY"].as<double>() - box["top"].as<double>() - border) / k;
    return {static_cast<float>(x * kTwipsPerPixel), static_cast<float>(y * kTwipsPerPixel)};
}

// How far around the candle and across the screen a press takes them, in twips of the bench:
// CSS pixels of the viewport, at the window's scale.
float BenchWidget::reach() const {
    return static_cast<float>(kGripReachPixels / scale_ * kTwipsPerPixel);
}

void BenchWidget::pointer(const val& event) {
    const std::string type = event["type"].as<std::string>();
    if (type == "touchstart" || type == "touchmove") {
        // The finger that holds the candle or the screen moves it, not the page.
        if (dragging() && event["cancelable"].isTrue()) event.call<void>("preventDefault");
        return;
    }
    const int pointer = event["pointerId"].as<int>();
    if (type == "pointerup" && pointer == mark_pointer_) {
        // A press let go where it was made, while a prediction is asked for: the mark.
        mark_pointer_ = -1;
        if (puts_mark(event["clientX"].as<double>() - mark_x_,
                      event["clientY"].as<double>() - mark_y_) &&
            taking_) {
            hooks_.marked(on_bench(event));
        }
        return;
    }
    if (type == "pointercancel" && pointer == mark_pointer_) mark_pointer_ = -1;
    if (type == "pointerdown") {
        mark_pointer_ = -1;  // a press that never came up is no mark
        if (!taking_ || dragging() || event["button"].as<int>() != 0) return;
        const BenchPoint p = on_bench(event);
        if (!grip_.press(model_, p, reach()) &&
            !screen_.press(model_, session_.experiment(), p, reach())) {
            if (session_.prediction().asked()) {
                mark_pointer_ = pointer;
                mark_x_ = event["clientX"].as<double>();
                mark_y_ = event["clientY"].as<double>();
            }
            return;
        }
        pointer_ = pointer;
        hooks_.took();
        pointer_at_ = p;
        canvas_.call<void>("setPointerCapture", pointer);
        show_cursor("grabbing");
    } else if (!dragging() || pointer != pointer_) {
        // A pointer passing over the bench: it shows where the candle or the screen can be
        // taken.
        if (type != "pointermove" || !taking_) return;
        const BenchPoint p = on_bench(event);
        show_cursor(takes_candle(model_, p, reach()) ||
                            takes_screen(model_, session_.experiment(), p, reach())
                        ? "grab"
                        : "");
    } else if (type == "pointermove") {
        pointer_at_ = on_bench(event);
        if (!frame_asked_) {
            frame_asked_ = true;
            val::global("window").call<void>("requestAnimationFrame",
                                             val::module_property("drag_frame"));
        }
    } else {
        // Let go: where the pointer was let go counts, unless the pointer was taken away.
        if (type == "pointerup") {
            pointer_at_ = on_bench(event);
            frame();
        }
        drop();
        show_cursor("grab");
    }
}

// The pointer's moves since the last frame, as the clicks they amount to: the arrows' for the
// candle, the screen's steps for the pupil's screen.
void BenchWidget::frame() {
    frame_asked_ = false;
    if (!taking_) return;
    Outcome moved;
    int steps = 0;
    const auto make = [this, &moved](Step s) {
        if (const auto out = hooks_.step(s)) moved |= *out;
    };
    if (grip_.held()) {
        steps = grip_.follow(model_, pointer_at_, [&make](Click c) { make(c); });
    } else if (screen_.held()) {
        steps = screen_.follow(model_, session_.experiment(), pointer_at_,
                               [&make](LessonClick c) { make(c); });
    }
    if (steps > 0 && taking_) hooks_.moved(moved);
}

void BenchWidget::drop() {
    if (!dragging()) return;
    release();
    if (taking_) hooks_.dropped();
}

void BenchWidget::release() {
    grip_.release();
    screen_.release();
    pointer_ = -1;
}

void BenchWidget::stop_taking() {
    release();
    taking_ = false;
}

void BenchWidget::show_cursor(const std::string& cursor) {
    if (cursor == cursor_) return;
    canvas_["style"].set("cursor", cursor);
    cursor_ = cursor;
}

}  // namespace korru::web
