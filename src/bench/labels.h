// SPDX-License-Identifier: MIT
// The bench's labels (the candle's, the image's and the focal points') made to hold their words
// in the reader's language, for every face: a label whose words are wider than the box the window
// gives it grows to them, away from the thing it names; a label whose words would lie over
// another's or over a flame (the candle's or its image's) moves below it (above, at the bench's
// foot). Words that fit and lie clear leave the drawing exactly as it was, as the Japanese always
// do on the window's own screens.
#pragma once

#include <functional>

#include "bench/drawing.h"

namespace korru {

// How wide a face sets a text's words, twips of the bench: measured in its own fonts, in the
// reader's language.
using WordsWidth = std::function<float(const Text&)>;

void fit_labels(Drawing& drawing, const WordsWidth& width_of);

// The drawing as a face paints it: with its labels fitted, where it has any.
Drawing with_labels_fitted(const Drawing& drawing, const WordsWidth& width_of);

// Whether the drawing has a label of the bench.
bool has_labels(const Drawing& drawing);

}  // namespace korru
