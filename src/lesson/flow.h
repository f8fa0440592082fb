// SPDX-License-Identifier: MIT
// The lesson's flow, declared once for both faces: its modes (observing, predicting with no mark
// or with one, the answer shown) with the experiment beside them; what each kind of step does to
// the mode; and every lesson action as one row — its key, its captions, whether it turns a mode
// on and off or repeats when held, when it can be taken, whether its mode is on, and why not. The
// lesson bar, the menus, the keys and the session's act() all read these tables and keep no list
// of their own.
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "lesson/captions.h"
#include "lesson/experiment.h"
#include "lesson/prediction.h"

namespace korru {

enum class LessonMode {
    observing,   // no prediction asked for
    predicting,  // asked for, no mark yet, the answer hidden
    marked,      // asked for, a mark put, the answer hidden
    answered,    // the answer shown
};
LessonMode lesson_mode(const Prediction& p);
inline bool answer_hidden(LessonMode m) {
    return m == LessonMode::predicting || m == LessonMode::marked;
}

// What can happen to the mode: a step of the window that moves the image (the candle, its lift,
// the focal length), the lesson's actions, a mark put, the experiment turned on.
enum class FlowEvent { image_moved, predict, next, leave, mark, show_answer, experiment_on };

// One line of the flow: in mode `from`, `on` leads to mode `to`, saying `says` (if not empty).
struct FlowLine {
    LessonMode from;
    FlowEvent on;
    LessonMode to;
    std::string_view says;
};

// The line for an event in a mode, if the flow has one (`listed`); where it has none, the event
// leaves the mode as it is.
struct FlowMove {
    bool listed;
    LessonMode to;
    std::string_view says;
};
FlowMove flow_move(LessonMode from, FlowEvent on);
const std::array<FlowLine, 14>& lesson_flow();

// How an action stands now: whether it can be taken, whether the mode it turns on is on, and why
// it cannot where it cannot (a text of the catalogue, said when it is tried all the same).
struct Availability {
    bool enabled = true;
    std::optional<bool> checked;
    std::string_view why_not;
};

// What an action's state depends on.
struct LessonState {
    LessonMode mode;
    const Experiment& experiment;
};

// One lesson action: its key (lower case, or "," and "."; none for 0), its words in the menus and
// under its key, and on the lesson bar's button; whether it turns a mode on and off (a menu ticks
// it, a screen reader hears it pressed or not) and acts again at each repeat of its held key; in
// which modes the bar shows it; and when it can be taken.
struct LessonActionRow {
    LessonAction action;
    char key;
    std::string_view caption;
    std::string_view bar_caption;
    bool toggles;
    bool repeats;
    bool (*on_bar)(const LessonState&);
    Availability (*state)(const LessonState&);
};
const std::array<LessonActionRow, 11>& lesson_actions();
const LessonActionRow& action_row(LessonAction a);
Availability availability(const LessonState& s, LessonAction a);
// The actions with keys, in the table's order: the lesson's entries of both faces' menus. E turns
// the experiment on and off, "," and "." (under "<" and ">") move its screen towards the lens and
// away, U and L cover the upper and the lower half.
std::vector<LessonActionRow> keyed_actions();
inline constexpr std::size_t kKeyedActions = 9;

// The texts of this file, for the catalogue.
std::vector<std::string_view> flow_texts();

}  // namespace korru
