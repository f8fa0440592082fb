// SPDX-License-Identifier: MIT
// The scene in words. Every number comes from the model: the bench state for the candle and the
// lens, the image distance of the scene update, and the heights of the image and the candle.
#include "bench/description.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "bench/scene.h"
#include "window/number_text.h"

namespace korru {

namespace {

// The texts as written; %1 and %2 stand for the numbers.
constexpr std::string_view kRealImage = "実像ができています。上下が逆さまです。";
constexpr std::string_view kVirtualImage = "虚像が見えます。向きは光源と同じです。";
constexpr std::string_view kNoImage = "光源が焦点の上にあり、像はできません。";
constexpr std::string_view kSourceAbove = "光源はレンズの左 %1、光軸より %2 上にあります。";
constexpr std::string_view kSourceBelow = "光源はレンズの左 %1、光軸より %2 下にあります。";
constexpr std::string_view kSourceOnAxis = "光源はレンズの左 %1、光軸の上に立っています。";
constexpr std::string_view kFocalLength = "焦点距離は %1 です。";
constexpr std::string_view kRealImageAt = "像はレンズの右 %1 にでき、大きさは光源の %2 です。";
constexpr std::string_view kVirtualImageAt = "像はレンズの左 %1 に見え、大きさは光源の %2 です。";
constexpr std::string_view kSquares = "%1 マス";
constexpr std::string_view kOneSquare = "1 マス";
constexpr std::string_view kTimes = "%1 倍";
// The image label's caption for a virtual image, set by the scene update.
constexpr std::string_view kVirtualLabel = "虚像";

constexpr std::array kSceneTexts{kRealImage,      kVirtualImage, kNoImage,     kSourceAbove,
                                 kSourceBelow,    kSourceOnAxis, kFocalLength, kRealImageAt,
                                 kVirtualImageAt, kSquares,      kOneSquare,   kTimes,
                                 kVirtualLabel};

}  // namespace

std::string with_numbers(std::string text, std::initializer_list<std::string_view> values) {
    char mark[] = "%1";
    for (std::string_view value : values) {
        if (const auto at = text.find(mark); at != std::string::npos) text.replace(at, 2, value);
        ++mark[1];
    }
    return text;
}

std::string spoken_number(float value) {
    return decimal_text(value, 2);
}

SceneFacts scene_facts(const Window& w) {
    const BenchState& b = w.bench;
    SceneFacts facts;
    facts.source_distance = b.sdist / b.unit;
    facts.source_lift = b.slift / b.unit;
    facts.focal_length = b.flen / b.unit;
    const Item& real = w[Window::ids::real_image];
    const Item& virt = w[Window::ids::virtual_image];
    if (!real.visible && !virt.visible) return facts;
    facts.image = real.visible ? ImageCase::real : ImageCase::virtual_image;
    facts.image_distance = std::fabs(image_distance(b)) / b.unit;
    facts.magnification = (real.visible ? real : virt).height / w[Window::ids::source].height;
    return facts;
}

std::string squares_words(float squares, const Translate& translate) {
    const std::string number = spoken_number(std::fabs(squares));
    return number == "1" ? translate(kOneSquare) : with_numbers(translate(kSquares), {number});
}

namespace {

std::string candle_and_lens(const SceneFacts& f, const Translate& translate) {
    const std::string distance = squares_words(f.source_distance, translate);
    std::string text;
    if (spoken_number(f.source_lift) == "0") {
        text = with_numbers(translate(kSourceOnAxis), {distance});
    } else {
        text = with_numbers(translate(f.source_lift > 0 ? kSourceAbove : kSourceBelow),
                            {distance, squares_words(f.source_lift, translate)});
    }
    text += ' ';
    text += with_numbers(translate(kFocalLength), {squares_words(f.focal_length, translate)});
    return text;
}

}  // namespace

std::string describe_candle_and_lens(const Window& w, const Translate& translate) {
    return candle_and_lens(scene_facts(w), translate);
}

std::string describe_scene(const Window& w, const Translate& translate) {
    const SceneFacts f = scene_facts(w);
    const auto times = [&](float n) { return with_numbers(translate(kTimes), {spoken_number(n)}); };
    std::string text = translate(f.image == ImageCase::real            ? kRealImage
                                 : f.image == ImageCase::virtual_image ? kVirtualImage
                                                                       : kNoImage);
    text += ' ';
    text += candle_and_lens(f, translate);
    if (f.image != ImageCase::none) {
        text += ' ';
        text += with_numbers(translate(f.image == ImageCase::real ? kRealImageAt : kVirtualImageAt),
                             {squares_words(f.image_distance, translate), times(f.magnification)});
    }
    return text;
}

std::vector<std::string_view> translatable_texts() {
    std::vector<std::string_view> texts;
    const auto add = [&](std::string_view t) {
        if (t.empty() || std::find(texts.begin(), texts.end(), t) != texts.end()) return;
        texts.push_back(t);
    };
    for (const ItemDef& def : kItems) {
        // The title is the program's name, and the arrows speak through their names.
        if (def.name == "title" || !def.speech.empty()) {
            add(def.speech);
        } else {
            add(def.caption);
        }
        add(def.hint);
    }
    for (std::string_view t : kSceneTexts) add(t);
    return texts;
}

}  // namespace korru
