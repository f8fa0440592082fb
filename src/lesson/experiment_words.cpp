// SPDX-License-Identifier: MIT
// The experiment in words.
#include "lesson/experiment_words.h"

#include <cmath>

#include "bench/scene.h"

namespace korru {

namespace {

constexpr std::string_view kScreenAt = "スクリーンはレンズの右 %1 の所にあります。";
constexpr std::string_view kSharp = "スクリーンの像ははっきりしています。";
constexpr std::string_view kBlurred = "スクリーンの像はぼやけています。";
constexpr std::string_view kNoLight = "レンズがふさがれていて、スクリーンに光が届きません。";
constexpr std::string_view kUpperCovered = "レンズの上半分がふさがれています。";
constexpr std::string_view kLowerCovered = "レンズの下半分がふさがれています。";
constexpr std::string_view kSharpAt = "像がはっきりするのは、レンズの右 %1 の所です。";
constexpr std::string_view kNowhere = "像は、スクリーンをどこに置いてもはっきりしません。";

// The bar's sentences.
constexpr std::string_view kSearching =
    "スクリーンを動かして、像がはっきり映る所を探します。見つけたら「記録する」。";
constexpr std::string_view kFound =
    "スクリーンに像がはっきり映っています。「記録する」で記録できます。";
constexpr std::string_view kVirtualNotOnScreen =
    "像は虚像で、スクリーンには映りません。光源を焦点より遠くへ動かすと、実像ができます。";
constexpr std::string_view kNoImageToFind =
    "光源が焦点の上にあり、像はできません。スクリーンで探す像はありません。";
constexpr std::string_view kBeyondReach =
    "像はスクリーンを動かせる所より遠くにできます。光源をレンズから遠ざけてください。";

}  // namespace

bool screen_sharp(const Window& w, const Experiment& e) {
    const ExperimentFacts f = experiment_facts(w, e);
    if (f.open == 0 || !w[Window::ids::real_image].visible) return false;
    const float b = image_distance(w.bench), quarter = w.bench.unit / 4;
    return std::fabs(f.screen_x - b) <= quarter / 2;
}

ScreenSight screen_sight(const Window& w, const Experiment& e) {
    if (!w[Window::ids::real_image].visible) {
        return w[Window::ids::virtual_image].visible ? ScreenSight::virtual_image
                                                     : ScreenSight::no_image;
    }
    const ExperimentFacts f = experiment_facts(w, e);
    if (f.open == 0) return ScreenSight::dark;
    if (screen_sharp(w, e)) return ScreenSight::sharp;
    // The farthest place of the screen, and half a step past it, where screen_sharp stops.
    const float reach = (Experiment::kFarthest + 0.5f) * w.bench.unit / 4;
    return image_distance(w.bench) > reach ? ScreenSight::out_of_reach : ScreenSight::searching;
}

std::string experiment_status(const Window& w, const Experiment& e, const Translate& translate) {
    switch (screen_sight(w, e)) {
        case ScreenSight::sharp:
            return translate(kFound);
        case ScreenSight::virtual_image:
            return translate(kVirtualNotOnScreen);
        case ScreenSight::no_image:
            return translate(kNoImageToFind);
        case ScreenSight::dark:
            return translate(kNoLight);
        case ScreenSight::out_of_reach:
            return translate(kBeyondReach);
        case ScreenSight::searching:
            break;
    }
    return translate(kSearching);
}

std::string describe_experiment(const Window& w, const Experiment& e, const Prediction& p,
                                const Translate& translate) {
    const ExperimentFacts f = experiment_facts(w, e);
    std::string text = describe_lesson(w, p, translate);
    if (p.asked() && !p.answer_shown()) {
        // What the prediction says, and where the screen stands: no more.
        return text + ' ' +
               with_numbers(translate(kScreenAt),
                            {squares_words(f.screen_x / w.bench.unit, translate)});
    }
    text = describe_candle_and_lens(w, translate);
    text += ' ' + with_numbers(translate(kScreenAt),
                               {squares_words(f.screen_x / w.bench.unit, translate)});
    if (e.upper_covered) text += ' ' + translate(kUpperCovered);
    if (e.lower_covered) text += ' ' + translate(kLowerCovered);
    text += ' ' + translate(f.open == 0 ? kNoLight : screen_sharp(w, e) ? kSharp : kBlurred);
    if (p.asked() && p.answer_shown()) {
        const bool real = w[Window::ids::real_image].visible;
        text +=
            ' ' +
            (real ? with_numbers(translate(kSharpAt),
                                 {squares_words(image_distance(w.bench) / w.bench.unit, translate)})
                  : translate(kNowhere));
        const std::string answer = describe_lesson(w, p, translate);
        const std::string scene = describe_scene(w, translate);
        if (answer.size() > scene.size()) text += answer.substr(scene.size());  // the mark's words
    }
    return text;
}

std::vector<std::string_view> experiment_texts() {
    return {kScreenAt,           kSharp,         kBlurred,    kNoLight,   kUpperCovered,
            kLowerCovered,       kSharpAt,       kNowhere,    kSearching, kFound,
            kVirtualNotOnScreen, kNoImageToFind, kBeyondReach};
}

}  // namespace korru
