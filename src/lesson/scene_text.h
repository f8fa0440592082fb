// SPDX-License-Identifier: MIT
// A scene as a short text a person can read: the steps of a lesson by their names, joined by
// dots, a run of one step written once with its count — "kosen.mr*24.fmove(0)" — after the
// bench's look where it is the projector's ("projector.kosen"). The page's link carries it after
// "#"; the desktop and the snapshot tool take the text or the whole link. A text is taken whole or
// not at all: one part not understood, and no step of it is made.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "bench/description.h"
#include "bench/look.h"
#include "lesson/steps.h"

namespace korru {

// The most steps a scene may hold, and the longest text read: far more than any lesson makes.
inline constexpr std::size_t kMostSceneClicks = 100000;
inline constexpr std::size_t kLongestSceneText = 1000000;

// The part that asks for the projector's look.
inline constexpr std::string_view kProjectorPart = "projector";

std::string scene_text(const std::vector<Step>& steps, BenchLook look = BenchLook::window);

enum class SceneFault {
    none,
    unknown_click,  // a part that names no step of a lesson ("おわり" is none)
    bad_count,      // a count that is not a whole number from 1 up
    too_many,       // more than kMostSceneClicks steps
    too_long,       // a text longer than kLongestSceneText
    bad_escape,     // a "%" not followed by two hexadecimal digits
};

struct SceneRead {
    std::vector<Step> steps;              // none where the text was not understood
    SceneFault fault = SceneFault::none;  // what was not understood
    std::string part;                     // the part not understood, at most 40 bytes of it
    // The projector's look asked for; a text without it leaves the look as it is.
    bool projector = false;
};

// Reads a scene text, as written or as a link escapes it ("%28" for "("), or a whole link to
// the page (what follows its "#"); spaces and line ends around it are ignored, and the empty
// text is the scene of start-up.
SceneRead read_scene(std::string_view text);

// The reader's one line on a scene not understood, naming the part: in Japanese as written, a
// face passes its catalogue for its own language.
std::string scene_fault_text(const SceneRead& read, const Translate& translate);

// The texts of those lines, for the catalogue.
std::vector<std::string_view> scene_texts();

}  // namespace korru
