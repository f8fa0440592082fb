// SPDX-License-Identifier: MIT
// The lesson bar: the lesson's actions as buttons with words, and a line that says what the
// lesson is doing now — predicting (what to do, and a way out), the answer shown (how far the
// mark was, and "next" to move and predict again), or plain observing. Both faces show it beside
// the bench, so that a pupil with a tablet and no keyboard reaches every action by a tap.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lesson/captions.h"
#include "lesson/session.h"

namespace korru {

struct BarButton {
    LessonAction action;
    std::string caption;  // in the reader's language
    bool enabled = true;
    bool pressed = false;  // a mode it turns on is on
    std::string why_not;   // where it is not enabled: said when it is pressed all the same
};

struct LessonBar {
    std::string status;  // one short sentence: the mode and what to do
    std::vector<BarButton> buttons;
};

LessonBar lesson_bar(const Session& session, const Translate& translate);

// The texts of this file, for the catalogue.
std::vector<std::string_view> lesson_bar_texts();

}  // namespace korru
