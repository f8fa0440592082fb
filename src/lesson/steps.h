// SPDX-License-Identifier: MIT
// A lesson's steps: the clicks of the window, and beside them the lesson's own (a prediction
// asked for or given up), under one list of names, so that a scene, a link, a replay and the
// snapshot tool hold every step alike.
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "commands/commands.h"

namespace korru {

enum class LessonClick {
    predict,  // a prediction asked for, or given up: a toggle
};

struct LessonClickInfo {
    LessonClick click;
    std::string_view name;
};

inline constexpr std::array<LessonClickInfo, 1> kLessonClickNames{{
    {LessonClick::predict, "predict"},
}};

using Step = std::variant<Click, LessonClick>;

std::string_view step_name(Step s);
// Every step's name: the window's clicks that keep it open, then the lesson's.
std::vector<std::string_view> step_names();
// A step by its name; "owari" is none, since no scene ends the program.
std::optional<Step> step_from_name(std::string_view name);

}  // namespace korru
