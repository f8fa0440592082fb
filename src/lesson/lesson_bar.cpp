// SPDX-License-Identifier: MIT
// What the lesson bar shows in each mode of the lesson.
#include "lesson/lesson_bar.h"

namespace korru {

namespace {

constexpr std::string_view kObserving =
    "光源を動かして像を見ます。「予想する」で、像ができる所を先に予想できます。";
constexpr std::string_view kExperimenting =
    "スクリーンを動かして、像がはっきり映る所を探します。見つけたら「記録する」。";
constexpr std::string_view kMarkFirst =
    "予想: 像の先ができると思う所をタップ (クリック) して印をつけます。";
constexpr std::string_view kMarked = "予想: 印をつけました。「答えを見る」で答えを見ます。";
constexpr std::string_view kAnswerOff =
    "答え: 印は像の先から %1 離れていました。「次の予想」で、光源を動かしてもう一度予想します。";
constexpr std::string_view kAnswerNoMark =
    "答え: 印はつけられていませんでした。「次の予想」で、もう一度予想します。";
constexpr std::string_view kAnswerNoImage =
    "答え: 光源が焦点の上にあり、像はできません。「次の予想」で、もう一度予想します。";

}  // namespace

LessonBar lesson_bar(const Session& session, const Translate& translate) {
    const Prediction& p = session.prediction();
    const auto button = [&](LessonAction a, std::string_view caption, bool enabled = true,
                            bool pressed = false) {
        return BarButton{a, translate(caption), enabled, pressed};
    };
    LessonBar bar;
    const Experiment& e = session.experiment();
    if (!p.asked()) {
        bar.status = translate(e.on ? kExperimenting : kObserving);
        bar.buttons.push_back(button(LessonAction::predict, kCaptions.bar_predict));
    } else if (!p.answer_shown()) {
        bar.status = translate(p.mark() ? kMarked : kMarkFirst);
        bar.buttons.push_back(button(LessonAction::show_answer, kCaptions.bar_answer));
        bar.buttons.push_back(button(LessonAction::leave, kCaptions.bar_leave, true, true));
    } else {
        const Window& w = session.window();
        if (!image_tip(w)) {
            bar.status = translate(kAnswerNoImage);
        } else if (const auto off = squares_off(w, p)) {
            bar.status = with_numbers(translate(kAnswerOff), {squares_words(*off, translate)});
        } else {
            bar.status = translate(kAnswerNoMark);
        }
        bar.buttons.push_back(button(LessonAction::next, kCaptions.bar_next));
        bar.buttons.push_back(button(LessonAction::leave, kCaptions.bar_leave, true, true));
    }
    bar.buttons.push_back(
        button(LessonAction::record, kCaptions.bar_record, !session.answer_hidden()));
    bar.buttons.push_back(button(LessonAction::open_notebook, kCaptions.bar_notebook));
    bar.buttons.push_back(button(LessonAction::experiment, kCaptions.bar_experiment, true, e.on));
    if (e.on) {
        bar.buttons.push_back(button(LessonAction::screen_l, kCaptions.bar_screen_l,
                                     e.quarters > Experiment::kNearest));
        bar.buttons.push_back(button(LessonAction::screen_r, kCaptions.bar_screen_r,
                                     e.quarters < Experiment::kFarthest));
        bar.buttons.push_back(
            button(LessonAction::cover_upper, kCaptions.bar_cover_upper, true, e.upper_covered));
        bar.buttons.push_back(
            button(LessonAction::cover_lower, kCaptions.bar_cover_lower, true, e.lower_covered));
    }
    return bar;
}

ActionState action_state(const Session& session, LessonAction a) {
    const Experiment& e = session.experiment();
    switch (a) {
        case LessonAction::predict:
            return {true, session.prediction().asked()};
        case LessonAction::show_answer:
            return {session.answer_hidden(), std::nullopt};
        case LessonAction::experiment:
            return {true, e.on};
        case LessonAction::screen_l:
        case LessonAction::screen_r:
            return {e.on, std::nullopt};
        case LessonAction::cover_upper:
            return {e.on, e.upper_covered};
        case LessonAction::cover_lower:
            return {e.on, e.lower_covered};
        default:
            return {};
    }
}

std::vector<std::string_view> lesson_bar_texts() {
    return {kObserving, kExperimenting, kMarkFirst,    kMarked,
            kAnswerOff, kAnswerNoMark,  kAnswerNoImage};
}

}  // namespace korru
