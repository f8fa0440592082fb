// SPDX-License-Identifier: MIT
// Labels grown to their words, then moved clear of one another and of the flame.
#include "bench/labels.h"

#include <algorithm>
#include <array>
#include <vector>

namespace korru {

namespace {

// A candle's flame: its picture's top 15 rows of 39.
constexpr float kFlameShare = 15.0f / 39;
// Between a label and what it makes room for.
constexpr float kClear = kTwipsPerPixel;

bool overlap(const Box& a, const Box& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

// The flame of the candle or of its image, the image's at its foot where it is turned.
Box flame_of(const Picture& pic) {
    const float height = pic.box.height * kFlameShare;
    return {pic.box.left, pic.turned ? pic.box.top + pic.box.height - height : pic.box.top,
            pic.box.width, height};
}

bool is_label(int item) {
    using ids = Window::ids;
    return item == ids::source_label || item == ids::image_label ||
           std::find(ids::focal_labels.begin(), ids::focal_labels.end(), item) !=
               ids::focal_labels.end();
}

}  // namespace

bool has_labels(const Drawing& drawing) {
    return std::any_of(drawing.begin(), drawing.end(), [](const Primitive& p) {
        const auto* t = std::get_if<Text>(&p);
        return t && is_label(t->item);
    });
}

Drawing with_labels_fitted(const Drawing& drawing, const WordsWidth& width_of) {
    Drawing out = drawing;
    fit_labels(out, width_of);
    return out;
}

void fit_labels(Drawing& drawing, const WordsWidth& width_of) {
    float foot = 0;  // the bench's height
    std::vector<Box> taken;
    std::vector<Text*> labels;
    for (Primitive& p : drawing) {
        if (const auto* back = std::get_if<FilledRect>(&p)) foot = std::max(foot, back->box.height);
        if (const auto* pic = std::get_if<Picture>(&p)) taken.push_back(flame_of(*pic));
        if (auto* t = std::get_if<Text>(&p); t && is_label(t->item)) labels.push_back(t);
    }
    // The candle's label first: it stands left of the candle and grows leftwards; the others
    // stand right of what they name and grow rightwards.
    std::stable_partition(labels.begin(), labels.end(),
                          [](const Text* t) { return t->item == Window::ids::source_label; });
    for (Text* t : labels) {
        const float words = width_of(*t);
        if (words > t->box.width) {
            // The candle's label ends where the candle begins.
            if (t->item == Window::ids::source_label) {
                t->box.left += t->box.width - kClear - words;
            }
            t->box.width = words;
        }
        // What the words cover, from the box's left as every face sets a label: where it lies
        // over something, the nearest place below clear of everything, else the nearest above.
        const auto ink = [&](float top) { return Box{t->box.left, top, words, t->box.height}; };
        const auto clear = [&](float top) {
            return std::none_of(taken.begin(), taken.end(),
                                [&](const Box& b) { return overlap(b, ink(top)); });
        };
        const float was = t->box.top;
        std::vector<float> below, above;
        for (const Box& b : taken) {
            const float under = b.top + b.height + kClear, over = b.top - kClear - t->box.height;
            if (under > was && (foot == 0 || under + t->box.height <= foot)) below.push_back(under);
            if (over < was && over >= 0) above.push_back(over);
        }
        std::sort(below.begin(), below.end());
        std::sort(above.begin(), above.end(), std::greater<>());
        below.insert(below.begin(), was);
        below.insert(below.end(), above.begin(), above.end());
        const auto place = std::find_if(below.begin(), below.end(), clear);
        if (place != below.end()) t->box.top = *place;
        taken.push_back(ink(t->box.top));
    }
}

}  // namespace korru
