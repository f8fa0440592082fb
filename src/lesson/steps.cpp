// SPDX-License-Identifier: MIT
// The steps' names.
#include "lesson/steps.h"

namespace korru {

std::string_view step_name(Step s) {
    if (const Click* c = std::get_if<Click>(&s)) return click_name(*c);
    return kLessonClickNames[static_cast<std::size_t>(std::get<LessonClick>(s))].name;
}

std::vector<std::string_view> step_names() {
    std::vector<std::string_view> names;
    for (std::size_t i = 0; i < kLessonClicks; ++i) names.push_back(kClicks[i].name);
    for (const LessonClickInfo& info : kLessonClickNames) names.push_back(info.name);
    return names;
}

std::optional<Step> step_from_name(std::string_view name) {
    if (const auto c = click_from_name(name)) {
        if (*c == Click::owari) return std::nullopt;
        return Step{*c};
    }
    for (const LessonClickInfo& info : kLessonClickNames) {
        if (info.name == name) return Step{info.click};
    }
    return std::nullopt;
}

}  // namespace korru
