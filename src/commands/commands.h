// SPDX-License-Identifier: MIT
// The click handlers, one per click of the window's event map, as plain functions on the model.
// The view and the snapshot tool both run every click through click(), which first does what the
// toolkit does on a click (select an option and clear its partner, toggle a check box) and then
// runs the handler.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "window/window.h"

namespace korru {

// Arrow buttons: move the source one step, pull it back to its limit, update the bench.
void ml_click(Window& w);  // away from the lens, to at most 20 units
void mr_click(Window& w);  // toward the lens, to at least half a unit
void mu_click(Window& w);  // up, to at most 2 units above the axis
void md_click(Window& w);  // down, to at most 6 units below the axis

// Option pairs: index 0 long focal length / large step, index 1 short / small.
void fmove_click(Window& w, std::int16_t index);
void smove_click(Window& w, std::int16_t index);

// Check boxes: show or hide their group from the box's Value.
void sukurin_click(Window& w);  // the screen
void kosen_click(Window& w);    // the four rays
void syoten_click(Window& w);   // the focal-point marks
void hogan_click(Window& w);    // the 56 grid lines

// The end button: unloads the window.
void owari_click(Window& w);

enum class Click {
    ml,
    mr,
    mu,
    md,
    fmove_long,
    fmove_short,
    smove_large,
    smove_small,
    sukurin,
    kosen,
    syoten,
    hogan,
    owari,
};

// The clicked item's name as the tools spell it: "ml", "fmove(0)", "hogan".
std::string_view click_name(Click c);
std::optional<Click> click_from_name(std::string_view name);
// The item in kItems that the click lands on.
int click_target(Click c);

// One click as the window delivers it.
void click(Window& w, Click c);

}  // namespace korru
