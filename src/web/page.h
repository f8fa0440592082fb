// SPDX-License-Identifier: MIT
// The page: the one window model, started up on the browser's viewport as on a screen, the
// clicks made so far, and what shows them (the controls, the bench's canvas and the scene in
// words). Every click, by mouse or key, goes through deliver(), which runs the model's own
// handlers and then shows everything again.
#pragma once

#include <emscripten/val.h>

#include <optional>
#include <string>
#include <vector>

#include "bench/drawing.h"
#include "commands/commands.h"
#include "web/bench_canvas.h"
#include "web/controls.h"
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

    // The bench's pictures: by the menu's choice (0 copy, 1 save as PNG, 2 save as SVG).
    void menu_choice(int choice);
    Worksheet& worksheet() { return *worksheet_; }

    // The viewport changed size; once it has kept one size for a moment, the window starts up
    // again on it and the clicks made so far are replayed.
    void viewport_changed();
    void viewport_settled();

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

    ScreenSize viewport() const;
    void start_on(ScreenSize screen);
    void show();
    void describe();
    void stop(State why, const std::string& error);

    State state_ = State::starting;
    Window model_;
    ScreenSize screen_{};
    std::vector<Click> clicks_;
    std::optional<Controls> controls_;
    std::optional<BenchCanvas> bench_;
    std::optional<Worksheet> worksheet_;
    Drawing drawing_;
    Rect client_shown_{-1, -1, -1, -1};
    std::string scene_shown_;
    Timer settle_timer_{"settled"};
    std::string failure_;
};

}  // namespace korru::web
