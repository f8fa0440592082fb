// SPDX-License-Identifier: MIT
// A lesson's steps: the clicks of the window, and beside them the lesson's own (a prediction
// asked for or given up, the experiment's screen and covers), under one list of names, so that a
// scene, a link, a replay and the snapshot tool hold every step alike.
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "commands/commands.h"

namespace korru {

enum class LessonClick {
    predict,      // a prediction asked for, or given up: a toggle
    experiment,   // the pupil's own screen, or the window's again: a toggle
    screen_r,     // the pupil's screen a quarter square away from the lens
    screen_l,     // and towards it
    cover_upper,  // a card over the lens's upper half, or taken off: a toggle
    cover_lower,  // the same for its lower half
};

struct LessonClickInfo {
    LessonClick click;
    std::string_view name;
};

inline constexpr std::array<LessonClickInfo, 6> kLessonClickNames{{
    {LessonClick::predict, "predict"},
    {LessonClick::experiment, "experiment"},
    {LessonClick::screen_r, "screen_r"},
    {LessonClick::screen_l, "screen_l"},
    {LessonClick::cover_upper, "cover_upper"},
    {LessonClick::cover_lower, "cover_lower"},
}};

using Step = std::variant<Click, LessonClick>;

std::string_view step_name(Step s);
// Every step's name: the window's clicks that keep it open, then the lesson's.
std::vector<std::string_view> step_names();
// A step by its name; "owari" is none, since no scene ends the program.
std::optional<Step> step_from_name(std::string_view name);

}  // namespace korru
