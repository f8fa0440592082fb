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
};

struct LessonBar {
    std::string status;  // one short sentence: the mode and what to do
    std::vector<BarButton> buttons;
};

LessonBar lesson_bar(const Session& session, const Translate& translate);

// How an action stands in the menus and under its key: whether it does anything now (the
// screen and the covers only in the experiment, the answer only while it is hidden), and for an
// action that turns a mode on and off, whether that mode is on. One rule for the desktop's menu,
// the page's menu and both faces' keys; the session takes no action that is not enabled.
struct ActionState {
    bool enabled = true;
    std::optional<bool> checked;
};
ActionState action_state(const Session& session, LessonAction a);

// The texts of this file, for the catalogue.
std::vector<std::string_view> lesson_bar_texts();

}  // namespace korru
