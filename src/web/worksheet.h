// SPDX-License-Identifier: MIT
// The bench as a picture for worksheets, as on the desktop: Ctrl+C copies it (PNG, and SVG where
// the browser takes it), Ctrl+S downloads the PNG, and the bench's menu (right click, a long
// press, or the menu key) offers both. The PNG is the bench at one pixel to a CSS pixel, as the
// snapshot tool draws it; the SVG is the same drawing as vector.
#pragma once

#include <emscripten/val.h>

#include <string>

#include "bench/drawing.h"
#include "web/bench_canvas.h"
#include "web/timer.h"
#include "window/window.h"

namespace korru::web {

class Worksheet {
  public:
    // `bench` is the page's bench canvas; the menu and the notice are the shell's.
    explicit Worksheet(emscripten::val bench);

    enum class Format { png, svg };

    // The pictures of the window's bench as it is shown now.
    void copy(const Window& w, const Drawing& d);
    void save(const Window& w, const Drawing& d, Format format);

    // Resolves a promise with the copied PNG: the executor of the clipboard's promise.
    void png_blob(const emscripten::val& resolve) const;

    // The bench's menu: opened at a point of the viewport, closed by a choice, Escape or Tab,
    // which give the focus back where it was, or by the focus going elsewhere.
    void open_menu(double x, double y);
    void close_menu(bool give_back_focus);
    bool menu_open() const;
    bool in_menu(const emscripten::val& node) const;
    void menu_key(const emscripten::val& event);
    void menu_focusout(const emscripten::val& event);

    // A long press on the bench opens its menu, as a right click does.
    void bench_pointer(const emscripten::val& event);
    void long_press();

    // The clipboard would not take the pictures: the notice says so, briefly.
    void refused();
    void notice_done();

    // Takes the menu out of use once the page has stopped.
    void stop();

  private:
    void paint_picture(const Window& w, const Drawing& d);
    std::string svg(const Window& w, const Drawing& d) const;
    void cancel_press();
    void say(const std::string& text);

    emscripten::val bench_, menu_, notice_;
    BenchCanvas picture_;
    emscripten::val return_focus_ = emscripten::val::undefined();
    Timer press_timer_{"long_press"};
    Timer notice_timer_{"notice_done"};
    double press_x_ = 0, press_y_ = 0;
    bool long_pressed_ = false;  // until the finger that pressed is lifted
};

}  // namespace korru::web
