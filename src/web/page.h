// SPDX-License-Identifier: MIT
// The page: the one window model, started up on a screen made from the browser's viewport, the
// clicks made so far, and what shows them (the controls, the bench's canvas and the scene in
// words). Every click, by mouse, key or a candle dragged, goes through the model's own handlers
// and is kept for a replay; then everything is shown again.
#pragma once

#include <emscripten/val.h>

#include <optional>
#include <string>
#include <vector>

#include "bench/drawing.h"
#include "commands/commands.h"
#include "commands/drag.h"
#include "lesson/prediction.h"
#include "web/bench_canvas.h"
#include "web/controls.h"
#include "web/layout.h"
#include "web/notebook_sheet.h"
#include "web/timer.h"
#include "web/worksheet.h"
#include "window/screen.h"
#include "window/window.h"

namespace korru::web {

class Page {
  public:
    // Builds the page's items and starts the window up on the viewport. A viewport that
    // start-up refuses ends the page with the run-time error shown.
    void start();

    // One click: through the model's handlers, kept for a replay, then everything shown again.
    // Does nothing once the page has stopped.
    void deliver(Click c);

    // A key pressed anywhere in the page: the arrows do what the arrow buttons do (and repeat
    // while held), Ctrl+C copies the bench and Ctrl+S saves it. Keys the page does not take, and
    // every key once the page has stopped, are left to the browser.
    void key_anywhere(const emscripten::val& event);

    // A pointer on the bench: a press on the candle takes it, and while it is held the candle
    // follows the pointer, once an animation frame, in the arrows' steps. Touches on a held
    // candle neither scroll nor zoom the page.
    void bench_pointer(const emscripten::val& event);
    void drag_frame();
    // A long press opens the bench's menu, and lets go of a candle it held.
    void long_press();

    // The bench's menu: its pictures and the lesson's choices (Worksheet::k...Choice).
    void menu_choice(int choice);
    Worksheet& worksheet() { return *worksheet_; }
    NotebookSheet& notebook();

    // The page's address changed its scene (a link followed into the open page): the window
    // starts again with that scene's clicks, or says which part it does not understand.
    void scene_changed();

    // The lesson: a prediction asked for or given up, its answer, a row recorded.
    void predict(bool on);
    void show_answer();
    void record();

    // The viewport changed size; once it has kept one size for a moment, the window starts up
    // again on it and the clicks made so far are replayed. A new device pixel ratio (the window
    // taken to another screen) paints the bench again at once.
    void viewport_changed();
    void viewport_settled();
    void ratio_changed();

    // The model as `korru-snapshot --json` writes it; nothing once a run-time error or a fault
    // has stopped the page, whose message is then failure().
    std::optional<std::string> snapshot() const;
    const std::string& failure() const { return failure_; }
    bool running() const { return state_ == State::running; }

    // Shows the message of a run-time error (or of a fault of the page itself) as the desktop
    // does, in a dialog, and stops the page.
    void fail(const std::string& message);

  private:
    enum class State { starting, running, ended, failed };

    PageScreen fitted() const;
    ScreenSize screen() const;
    void start_on(PageScreen fit);
    bool apply(Click c);
    void show(bool describing = true);
    void place_bench(const PixelBox& client, double ratio);
    void describe();
    void watch_ratio();
    BenchPoint bench_point(const emscripten::val& event) const;
    void let_go();
    void stop(State why, const std::string& error);
    std::optional<std::vector<Click>> scene_of_address();
    void lesson_changed();
    void place_record(double client_right, double top);

    State state_ = State::starting;
    Window model_;
    PageScreen fit_{};
    std::vector<Click> clicks_;
    std::optional<Controls> controls_;
    std::optional<BenchCanvas> bench_;
    std::optional<Worksheet> worksheet_;
    Drawing drawing_;
    std::string client_shown_, bench_shown_, cursor_shown_;
    std::string scene_shown_;
    Timer settle_timer_{"settled"};
    emscripten::val ratio_query_ = emscripten::val::undefined();
    // The candle under a pointer: the grip, the pointer holding it and where it was last.
    CandleGrip grip_;
    int grip_pointer_ = -1;
    BenchPoint pointer_at_;
    bool frame_asked_ = false;
    // A press on the bench, not on the candle, while a prediction is asked for: a mark where it
    // is let go, unless it moved far or became a long press.
    int mark_pointer_ = -1;
    double mark_x_ = 0, mark_y_ = 0;
    // The lesson beside the window.
    Prediction prediction_;
    std::string lesson_words_;
    std::optional<NotebookSheet> notebook_;
    bool notebook_says_also_ = false;  // its notice follows the one shown, not replacing it
    emscripten::val record_button_ = emscripten::val::undefined();
    std::string failure_;
};

}  // namespace korru::web
