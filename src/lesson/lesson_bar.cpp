// SPDX-License-Identifier: MIT
// What the lesson bar shows in each mode of the lesson.
#include "lesson/lesson_bar.h"

#include "lesson/experiment_words.h"

namespace korru {

namespace {

constexpr std::string_view kObserving =
    "光源を動かして像を見ます。「予想する」で、像ができる所を先に予想できます。";
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

// The bar's sentence for the mode; its buttons, in the order of the lesson's actions, those the
// flow shows in this mode, each as it stands.
LessonBar lesson_bar(const Session& session, const Translate& translate) {
    const Prediction& p = session.prediction();
    const Experiment& e = session.experiment();
    LessonBar bar;
    switch (session.mode()) {
        case LessonMode::observing:
            bar.status =
                e.on ? experiment_status(session.window(), e, translate) : translate(kObserving);
            break;
        case LessonMode::predicting:
            bar.status = translate(kMarkFirst);
            break;
        case LessonMode::marked:
            bar.status = translate(kMarked);
            break;
        case LessonMode::answered: {
            const Window& w = session.window();
            if (!image_tip(w)) {
                bar.status = translate(kAnswerNoImage);
            } else if (const auto off = squares_off(w, p)) {
                bar.status = with_numbers(translate(kAnswerOff), {squares_words(*off, translate)});
            } else {
                bar.status = translate(kAnswerNoMark);
            }
            break;
        }
    }
    const LessonState state = session.state();
    for (const LessonActionRow& row : lesson_actions()) {
        if (!row.on_bar(state)) continue;
        const Availability now = row.state(state);
        bar.buttons.push_back({row.action, translate(row.bar_caption), now.enabled,
                               now.checked.value_or(false),
                               now.enabled ? std::string() : translate(now.why_not)});
    }
    return bar;
}

std::vector<std::string_view> lesson_bar_texts() {
    return {kObserving, kMarkFirst, kMarked, kAnswerOff, kAnswerNoMark, kAnswerNoImage};
}

}  // namespace korru
