// SPDX-License-Identifier: MIT
// The page: the one window model with its lesson's session, started up on a screen made from
// the browser's viewport, and the wiring of what shows them (the controls, the bench widget, the
// scene in words, the menu, the lesson's bar beside or below the window with its notice line,
// and the notebook's sheet beside the bench). Every click, by mouse, key, a candle or the
// pupil's screen dragged, and every action of the lesson is the session's; what it says changed
// is shown again, in one place.
#pragma once

#include <emscripten/val.h>

#include <optional>
#include <string>

#include "lesson/captions.h"
#include "lesson/session.h"
#include "web/bench_widget.h"
#include "web/controls.h"
#include "web/language.h"
#include "web/layout.h"
#include "web/lesson_area.h"
#include "web/notebook_sheet.h"
#include "web/notice.h"
#include "web/page_store.h"
#include "web/timer.h"
#include "web/worksheet.h"
#include "window/window.h"

namespace korru::web {

class Page {
  public:
    // Builds the page's items and starts the window up on the viewport with the scene in the
    // page's address. A viewport that start-up refuses ends the page with the run-time error
    // shown.
    void start();

    // One click of the window, through the session. Does nothing once the page has stopped.
    void deliver(Click c);

    // A key pressed anywhere in the page: the arrows do what the arrow buttons do (and repeat
    // while held), Shift with an arrow moves a prediction's mark, the lesson's keys do what its
    // menu does (the experiment's screen and covers while it is on), Ctrl+C copies the bench
    // and Ctrl+S saves it, Escape closes the notebook, giving the focus back, or puts a notice
    // away.
    // Keys the page does not take, and every key once the page has stopped, are left to the
    // browser.
    void key_anywhere(const emscripten::val& event);

    // The bench, whose pointers take the candle, the pupil's screen and the mark.
    BenchWidget& bench() { return *bench_; }
    // A long press where nothing is held opens the bench's menu.
    void long_press();

    // The bench's menu: its pictures, its link and the lesson's actions (Worksheet::k...Choice).
    void menu_choice(int choice);
    Worksheet& worksheet() { return *worksheet_; }
    Notice& notice() { return *notice_; }

    // The notebook's sheet, made and its rows read from the browser's storage when first
    // wanted: after the first frame, or sooner by a record, the menu or korru.notebook().
    NotebookSheet& sheet();
    void notebook_button(int which);
    void notebook_row(std::size_t row);
    void plot_frame();
    // Another tab or window wrote the notebook: its rows shown here too.
    void store_changed();
    // The notebook as the CSV the sheet saves.
    std::string notebook_csv();

    // The page's address changed its scene (a link followed into the open page): the window
    // starts again with that scene's steps, or says which part it does not understand.
    void scene_changed();

    // The lesson's actions, by its keys, its menu or its bar; a button of the bar by its place.
    void act(LessonAction action);
    void bar_button(int slot);

    // The viewport changed size; once it has kept one size for a moment, the window starts up
    // again on it and the steps made so far are replayed. A new device pixel ratio (the window
    // taken to another screen) paints the bench again at once.
    void viewport_changed();
    void viewport_settled();
    void ratio_changed();
    // The browser cleared the bench's canvas (its context lost and restored): painted again.
    void bench_restored();

    // The model as `korru-snapshot --json` writes it, with the lesson's numbers where the
    // experiment is used; nothing once a run-time error or a fault has stopped the page, whose
    // message is then failure().
    std::optional<std::string> snapshot() const;
    const std::string& failure() const { return failure_; }
    bool running() const { return state_ == State::running; }

    // Shows the message of a run-time error (or of a fault of the page itself) as the desktop
    // does, in a dialog, and stops the page.
    void fail(const std::string& message);

  private:
    enum class State { starting, running, ended, failed };

    PagePlan planned() const;
    void start_on(const PagePlan& plan);
    std::optional<Outcome> apply(Step s);
    void show(const Outcome& out, bool after_notice = false);
    void show_bar();
    void show_bench(bool describing);
    void lay_out();
    void describe();
    void watch_ratio();
    void stop(State why, const std::string& error);
    void open_notebook(bool open);
    void copy_link();
    void language_shown();

    State state_ = State::starting;
    Window model_;
    PageStore store_{"korru.notebook"};
    Session session_{model_, translated, &store_, counted};
    PagePlan plan_{};
    PageLayout layout_{};
    // The layout as last placed, and whether what it depends on (the bar's size, the notebook
    // open or not) may have changed since.
    PageLayout shown_{};
    bool layout_stale_ = true;
    std::optional<Controls> controls_;
    std::optional<LessonArea> lesson_;
    std::optional<BenchWidget> bench_;
    std::optional<Notice> notice_;
    std::optional<Worksheet> worksheet_;
    std::optional<NotebookSheet> sheet_;
    std::string scene_shown_;
    Timer settle_timer_{"settled"};
    emscripten::val ratio_query_ = emscripten::val::undefined();
    // Where the focus goes back to when the notebook closes.
    emscripten::val notebook_opener_ = emscripten::val::undefined();
    std::string failure_;
};

}  // namespace korru::web
