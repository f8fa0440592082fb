// SPDX-License-Identifier: MIT
// The lesson's bar on the page, beside or below the window: the session's lesson bar as buttons
// a finger can hit, each doing its action, and its one sentence on what the lesson is doing, a
// polite live region; under them the line where the page's notices stand, never over a control.
#pragma once

#include <emscripten/val.h>

#include <string>
#include <vector>

#include "lesson/lesson_bar.h"
#include "web/layout.h"

namespace korru::web {

class LessonArea {
  public:
    // Takes the shell's #lesson section, whose buttons' clicks go to the module's bar_click.
    explicit LessonArea(emscripten::val section);

    // The bar as the session has it now, the notebook shown open or not; whether its size may
    // have changed (a button more or less, another sentence).
    bool show(const LessonBar& bar, bool notebook_open);
    // The bar's own name again, in the language the page has changed to.
    void relabel();

    // The action of the button in `slot`, as last shown.
    LessonAction action(int slot) const { return actions_[static_cast<std::size_t>(slot)]; }
    int slots() const { return static_cast<int>(actions_.size()); }
    // The button of an action, if the bar shows one.
    emscripten::val button(LessonAction a) const;

    // Placed at a box of the viewport, as tall as what it says: its width first, for the browser
    // to say its height, a column (a button a row, or two where one would make it taller than
    // `most` CSS pixels) or a band whose buttons wrap.
    void set_width(double width, bool column, double most);
    // Its words (and the notices under it) at `pixels`, or at the page's own size for 0; whether
    // that changed them.
    bool set_text_pixels(int pixels);
    int text_pixels() const { return text_pixels_; }
    double height() const;
    void place(const CssBox& box);

    // Takes the buttons out of use once the page has stopped.
    void stop();

  private:
    emscripten::val section_, buttons_, status_;
    std::vector<LessonAction> actions_;  // the buttons' as shown
    std::string status_shown_, html_shown_;
    int text_pixels_ = 0;
};

}  // namespace korru::web
