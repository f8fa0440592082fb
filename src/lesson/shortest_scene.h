// SPDX-License-Identifier: MIT
// The scene to copy: the shortest steps that replay from start-up to the same state, bit for bit,
// as the steps made — not their history. A check box shown twice is as if never shown, only the
// last choice of an option pair stands, and moves that cancel are dropped; the candle is brought
// where it stands by the fewest arrow clicks that give its very floats. Every shorter form is
// replayed and compared before it is offered; where none gives the same numbers, the steps stand
// as they were made.
#pragma once

#include <vector>

#include "lesson/steps.h"
#include "window/screen.h"

namespace korru {

std::vector<Step> shortest_steps(const std::vector<Step>& steps, ScreenSize screen);

}  // namespace korru
