// SPDX-License-Identifier: MIT
// The lesson's flow and its actions, as tables.
#include "lesson/flow.h"

#include <algorithm>
#include <iterator>

namespace korru {

namespace {

using M = LessonMode;
using E = FlowEvent;

constexpr std::string_view kHowToPredict =
    "像の先ができると思う所をクリックかタップするか、Shift+矢印キーで印をつけ、「答えを見る」"
    "で答えを見ます。";
constexpr std::string_view kMarkDropped =
    "像の位置が変わったので、予想の印を消しました。もう一度印をつけます。";
constexpr std::string_view kNextAfterMove =
    "像の位置が変わったので、次の予想です。像の先ができると思う所に印をつけます。";

// Why an action cannot be taken now.
constexpr std::string_view kPredicting =
    "もう予想しています。印をつけて「答えを見る」か、「予想をやめる」を選びます。";
constexpr std::string_view kPredictFirst = "答えを見るのは、「予想する」で予想してからです。";
constexpr std::string_view kAnswerShown =
    "答えはもう出ています。「次の予想」で、もう一度予想します。";
constexpr std::string_view kAnswerFirst = "記録するのは、答えを見てからにしてください。";
constexpr std::string_view kNextAfterAnswer = "「次の予想」は、答えを見てから選びます。";
constexpr std::string_view kNotPredicting = "予想はしていません。";
constexpr std::string_view kExperimentOnly =
    "スクリーンとおおいは、「スクリーンで探す」の間だけ使えます。";
constexpr std::string_view kNearestEnd = "スクリーンはこれ以上レンズに近づけられません。";
constexpr std::string_view kFarthestEnd = "スクリーンはこれ以上レンズから遠ざけられません。";

// The flow: a mark is for the bench it was made on, so a step that moves the image drops it and
// says so, and after an answer starts the next prediction; P always starts a prediction and
// leaving is its own action; the experiment turned on hides the answer again (its line points at
// the image the pupil is to find on the screen), the mark kept.
constexpr std::array<FlowLine, 14> kFlow{{
    {M::observing, E::predict, M::predicting, kHowToPredict},
    {M::answered, E::predict, M::predicting, {}},
    {M::answered, E::next, M::predicting, {}},
    {M::predicting, E::leave, M::observing, {}},
    {M::marked, E::leave, M::observing, {}},
    {M::answered, E::leave, M::observing, {}},
    {M::predicting, E::mark, M::marked, {}},
    {M::marked, E::mark, M::marked, {}},
    {M::answered, E::mark, M::marked, {}},
    {M::predicting, E::show_answer, M::answered, {}},
    {M::marked, E::show_answer, M::answered, {}},
    {M::marked, E::image_moved, M::predicting, kMarkDropped},
    {M::answered, E::image_moved, M::predicting, kNextAfterMove},
    // The answer hidden again; where there was no mark, there is still none.
    {M::answered, E::experiment_on, M::marked, {}},
}};

bool always(const LessonState&) {
    return true;
}
bool in_experiment(const LessonState& s) {
    return s.experiment.on;
}

Availability open_always(const LessonState&) {
    return {};
}
Availability experiment_only(const LessonState& s) {
    return {s.experiment.on, std::nullopt, s.experiment.on ? std::string_view{} : kExperimentOnly};
}
Availability cover(const LessonState& s, bool covered) {
    Availability a = experiment_only(s);
    a.checked = covered;
    return a;
}
Availability refused(std::string_view why, std::optional<bool> checked = std::nullopt) {
    return {false, checked, why};
}

constexpr std::array<LessonActionRow, 11> kActions{{
    {LessonAction::predict, 'p', kCaptions.predict, kCaptions.bar_predict, false, false,
     [](const LessonState& s) { return s.mode == M::observing; },
     [](const LessonState& s) {
         return answer_hidden(s.mode) ? refused(kPredicting) : Availability{};
     }},
    {LessonAction::show_answer, 'a', kCaptions.show_answer, kCaptions.bar_answer, false, false,
     [](const LessonState& s) { return answer_hidden(s.mode); },
     [](const LessonState& s) {
         if (answer_hidden(s.mode)) return Availability{};
         return refused(s.mode == M::answered ? kAnswerShown : kPredictFirst);
     }},
    {LessonAction::next, 0, kCaptions.bar_next, kCaptions.bar_next, false, false,
     [](const LessonState& s) { return s.mode == M::answered; },
     [](const LessonState& s) {
         return s.mode == M::answered ? Availability{} : refused(kNextAfterAnswer);
     }},
    {LessonAction::leave, 0, kCaptions.bar_leave, kCaptions.bar_leave, true, false,
     [](const LessonState& s) { return s.mode != M::observing; },
     [](const LessonState& s) {
         return s.mode != M::observing ? Availability{true, true, {}}
                                       : refused(kNotPredicting, false);
     }},
    {LessonAction::record, 'r', kCaptions.record, kCaptions.bar_record, false, false, always,
     [](const LessonState& s) {
         return answer_hidden(s.mode) ? refused(kAnswerFirst) : Availability{};
     }},
    {LessonAction::open_notebook, 'n', kCaptions.open_notebook, kCaptions.bar_notebook, false,
     false, always, open_always},
    {LessonAction::experiment, 'e', kCaptions.bar_experiment, kCaptions.bar_experiment, true, false,
     always,
     [](const LessonState& s) {
         return Availability{true, s.experiment.on, {}};
     }},
    {LessonAction::screen_l, ',', kCaptions.bar_screen_l, kCaptions.bar_screen_l, false, true,
     in_experiment,
     [](const LessonState& s) {
         if (!s.experiment.on) return refused(kExperimentOnly);
         return s.experiment.quarters > Experiment::kNearest ? Availability{}
                                                             : refused(kNearestEnd);
     }},
    {LessonAction::screen_r, '.', kCaptions.bar_screen_r, kCaptions.bar_screen_r, false, true,
     in_experiment,
     [](const LessonState& s) {
         if (!s.experiment.on) return refused(kExperimentOnly);
         return s.experiment.quarters < Experiment::kFarthest ? Availability{}
                                                              : refused(kFarthestEnd);
     }},
    {LessonAction::cover_upper, 'u', kCaptions.bar_cover_upper, kCaptions.bar_cover_upper, true,
     false, in_experiment,
     [](const LessonState& s) { return cover(s, s.experiment.upper_covered); }},
    {LessonAction::cover_lower, 'l', kCaptions.bar_cover_lower, kCaptions.bar_cover_lower, true,
     false, in_experiment,
     [](const LessonState& s) { return cover(s, s.experiment.lower_covered); }},
}};

static_assert(std::count_if(kActions.begin(), kActions.end(),
                            [](const LessonActionRow& row) { return row.key != 0; }) ==
                  static_cast<std::ptrdiff_t>(kKeyedActions),
              "the menus number their lesson entries by kKeyedActions");

}  // namespace

LessonMode lesson_mode(const Prediction& p) {
    if (!p.asked()) return M::observing;
    if (p.answer_shown()) return M::answered;
    return p.mark() ? M::marked : M::predicting;
}

FlowMove flow_move(LessonMode from, FlowEvent on) {
    for (const FlowLine& line : kFlow) {
        if (line.from == from && line.on == on) return {true, line.to, line.says};
    }
    return {false, from, {}};
}

const std::array<FlowLine, 14>& lesson_flow() {
    return kFlow;
}

const std::array<LessonActionRow, 11>& lesson_actions() {
    return kActions;
}

const LessonActionRow& action_row(LessonAction a) {
    return *std::find_if(kActions.begin(), kActions.end(),
                         [a](const LessonActionRow& row) { return row.action == a; });
}

Availability availability(const LessonState& s, LessonAction a) {
    return action_row(a).state(s);
}

std::vector<LessonActionRow> keyed_actions() {
    std::vector<LessonActionRow> rows;
    std::copy_if(kActions.begin(), kActions.end(), std::back_inserter(rows),
                 [](const LessonActionRow& row) { return row.key != 0; });
    return rows;
}

std::vector<std::string_view> flow_texts() {
    return {kHowToPredict,  kMarkDropped,    kNextAfterMove, kPredicting,
            kPredictFirst,  kAnswerShown,    kAnswerFirst,   kNextAfterAnswer,
            kNotPredicting, kExperimentOnly, kNearestEnd,    kFarthestEnd};
}

}  // namespace korru
