// SPDX-License-Identifier: MIT
// A notice: the line under the lesson's bar, for what the user should know without having to
// answer it (a row recorded or not, a scene copied or not understood, a notebook not kept). It
// lies in the page's layout, where it covers nothing, and takes no click; a screen reader hears
// each as its live region's alert.
#pragma once

#include <emscripten/val.h>

#include <string>

#include "web/timer.h"

namespace korru::web {

class Notice {
  public:
    // `line` is the shell's notice element; `entry_point` the module's function that the passing
    // notice's timer calls, which calls done().
    Notice(emscripten::val line, const char* entry_point);

    // Shows `text`: a lasting notice until another comes or it is put away, a passing one for
    // some seconds.
    void tell(const std::string& text, bool lasting = false);
    // The same after the notice shown, if there is one, which it must not replace; lasting if
    // either is.
    void tell_also(const std::string& text, bool lasting = false);
    // A passing notice goes at once, where what it said is done with; a lasting one stays.
    void pass();
    // Whatever it says goes.
    void clear_notice();
    // The passing notice's time is up.
    void done();

  private:
    emscripten::val line_;
    Timer passing_;
    bool lasting_ = false;
};

}  // namespace korru::web
