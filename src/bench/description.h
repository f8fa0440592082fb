// SPDX-License-Identifier: MIT
// The bench in words, for a screen reader: the image case, where the candle stands, the focal
// length, and where the image forms and how large, in grid squares and times. The words are
// written in Japanese; a face passes its catalogue to have them in its own language.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "window/window.h"

namespace korru {

enum class ImageCase { real, virtual_image, none };

// The numbers a description is made of; lengths in grid squares.
struct SceneFacts {
    ImageCase image = ImageCase::none;
    float source_distance = 0;  // left of the lens
    float source_lift = 0;      // the candle's foot above the axis, below it when negative
    float focal_length = 0;
    float image_distance = 0;  // from the lens: right of it for a real image, left for a virtual
    float magnification = 0;   // the image's height over the candle's
};

SceneFacts scene_facts(const Window& w);

// Gives a text as written in the face's language; the identity keeps it Japanese.
using Translate = std::function<std::string(std::string_view)>;

std::string describe_scene(const Window& w, const Translate& translate);

// Its middle alone: where the candle stands and the focal length.
std::string describe_candle_and_lens(const Window& w, const Translate& translate);

// A length in squares as it is read out: "1 square", "5.33 squares".
std::string squares_words(float squares, const Translate& translate);

// `text` with %1, %2, … replaced by `values` in turn; a mark the text (a translation) does
// without is left out.
std::string with_numbers(std::string text, std::initializer_list<std::string_view> values);

// A number of squares or times as it is read out: at most two decimals, no trailing zeros.
std::string spoken_number(float value);

// Every text a face shows or says, as written: the window's captions, what its items say to a
// screen reader, and the words of the scene. The catalogues of other languages cover this list.
std::vector<std::string_view> translatable_texts();

}  // namespace korru
