// SPDX-License-Identifier: MIT
// The bench in words while the pupil looks for the image on their own screen: the candle and
// the lens, where the screen stands, and whether the image on it is sharp, blurred or absent —
// where the image is sharp only once an answer has been shown, so that the words never find the
// image for the pupil; with a prediction waiting, not even how the screen looks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "lesson/experiment.h"
#include "lesson/prediction.h"

namespace korru {

// Whether the screen stands where the image is sharp: at the quarter square nearest to b.
bool screen_sharp(const Window& w, const Experiment& e);

// What the pupil's screen shows, as the lesson bar says it: the image sharp on it, still to be
// found, or a reason why no place of the screen shows it (no real image, a lens covered whole,
// an image farther than the screen reaches).
enum class ScreenSight { searching, sharp, virtual_image, no_image, dark, out_of_reach };
ScreenSight screen_sight(const Window& w, const Experiment& e);

// The bar's sentence for the experiment, with no prediction waiting.
std::string experiment_status(const Window& w, const Experiment& e, const Translate& translate);

std::string describe_experiment(const Window& w, const Experiment& e, const Prediction& p,
                                const Translate& translate);

// The texts of this file, for the catalogue.
std::vector<std::string_view> experiment_texts();

}  // namespace korru
