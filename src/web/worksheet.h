// SPDX-License-Identifier: MIT
// The bench as a picture for worksheets, as on the desktop: Ctrl+C copies it (PNG, and SVG where
// the browser takes it), Ctrl+S downloads the PNG, and the bench's menu (right click, a long
// press, or the menu key) offers both. The PNG is the bench at one pixel to a CSS pixel, as the
// snapshot tool draws it; the SVG is the same drawing as vector.
#pragma once

#include <emscripten/val.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bench/svg.h"
#include "lesson/captions.h"
#include "lesson/languages.h"
#include "lesson/lesson_bar.h"
#include "lesson/session.h"
#include "web/bench_canvas.h"
#include "web/notice.h"
#include "web/timer.h"

namespace korru::web {

// Follows a link that downloads `url` (or a Blob) as `name`.
void download(const emscripten::val& url, const char* name);
void download_blob(const emscripten::val& blob, const char* name);

// The page's words, fonts and pictures for the one SVG writer.
SvgLook page_svg_look();

class Worksheet {
  public:
    // The menu's items: the bench's pictures and its link, then the lesson's actions in the
    // order of the lesson's keyed actions (keyed_actions()), from kFirstLessonChoice on, the
    // projector's look, then the languages (each in its own words) in the order of kLanguages,
    // from kFirstLanguageChoice on.
    static constexpr int kCopyChoice = 0, kPngChoice = 1, kSvgChoice = 2, kLinkChoice = 3,
                         kFirstLessonChoice = 4;
    static constexpr int kLookChoice = kFirstLessonChoice + static_cast<int>(kKeyedActions);
    static constexpr int kFirstLanguageChoice = kLookChoice + 1;
    static LessonAction lesson_action(int choice);
    // The language of a choice, or null for a choice that is none.
    static const Language* language(int choice);

    // `bench` is the page's bench canvas, the menu is the shell's; what the clipboard refuses is
    // told by `notice`, which must outlive the worksheet.
    Worksheet(emscripten::val bench, Notice& notice);

    enum class Format { png, svg };

    // The pictures of the bench as the lesson shows it now.
    void copy(Session& s);
    void save(Session& s, Format format);

    // Resolves a promise with the copied PNG: the executor of the clipboard's promise.
    void png_blob(const emscripten::val& resolve);

    // Makes the bench's menu's items, if they are not made yet.
    void build_menu();

    // The bench's menu: opened at a point of the viewport, closed by a choice, Escape or Tab,
    // which give the focus back where it was, or by the focus going elsewhere.
    void open_menu(double x, double y);
    void close_menu(bool give_back_focus);
    bool menu_open() const;
    bool in_menu(const emscripten::val& node) const;
    void menu_key(const emscripten::val& event);
    void menu_focusout(const emscripten::val& event);

    // A long press on the bench opens its menu, as a right click does; a press that takes the
    // candle or the screen is none.
    void bench_pointer(const emscripten::val& event);
    void long_press();
    void cancel_long_press();

    // The clipboard would not take the pictures: the notice says so, briefly.
    void refused();

    // A text (a link, a table) to the clipboard; a refusal is said.
    void copy_text(const std::string& text);
    void text_refused();

    // The menu's lesson entries as the lesson's actions stand now: each enabled or not, with why
    // not, and those that turn a mode on and off ticked where it is on.
    void show_menu_state(const Session& s);

    // The menu's words again, in the language the page has changed to.
    void relabel();

    // Takes the menu out of use once the page has stopped.
    void stop();

  private:
    void paint_picture(Session& s);
    BenchCanvas& picture();
    void show_menu_state();
    void cancel_press();

    emscripten::val bench_, menu_, languages_heading_ = emscripten::val::undefined();
    std::vector<std::string_view> texts_;  // of the menu's items before the languages
    Notice& notice_;
    std::optional<BenchCanvas> picture_;
    emscripten::val return_focus_ = emscripten::val::undefined();
    Timer press_timer_{"long_press"};
    double press_x_ = 0, press_y_ = 0;
    bool long_pressed_ = false;  // until the finger that pressed is lifted
    bool menu_built_ = false;
    std::vector<Availability> menu_shown_;  // how the lesson's entries stand in the menu
    bool projector_shown_ = false;          // the look's entry ticked
};

}  // namespace korru::web
