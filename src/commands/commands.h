// SPDX-License-Identifier: MIT
// The click handlers, one per click of the window's event map, as plain functions on the model,
// and the one list of the window's clicks. The view, the snapshot tool, the benchmarks and the
// tests all run a click through click(), which first does what the toolkit does on a click
// (select an option and clear its partner, toggle a check box) and then runs the handler.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "window/window.h"

namespace korru {

// How far the candle may go, from the unit, as the arrow buttons compute it on every click:
// distance from the lens and height of its foot above the axis.
struct CandleLimits {
    float farthest, nearest;  // sdist: 20 units, half a unit
    float highest, lowest;    // slift: 2 units, -6 units
};
CandleLimits candle_limits(const BenchState& b);

// Arrow buttons: move the candle one step, pull it back to its limit, update the bench.
void move_away(Window& w);    // ml: away from the lens, to at most 20 units
void move_closer(Window& w);  // mr: towards the lens, to at least half a unit
void move_up(Window& w);      // mu: up, to at most 2 units above the axis
void move_down(Window& w);    // md: down, to at most 6 units below the axis

// Option pairs: index 0 the long focal length / the large step, index 1 short / small.
void choose_focal_length(Window& w, int index);  // fmove
void choose_step(Window& w, int index);          // smove

// Check boxes: show or hide their group from the box's Value.
void show_screen(Window& w);        // sukurin: the screen card
void show_rays(Window& w);          // kosen: the four rays
void show_focal_points(Window& w);  // syoten: the focal-point crosses and labels
void show_grid(Window& w);          // hogan: the 56 grid lines

// The end button: unloads the window.
void end_program(Window& w);  // owari

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

struct ClickInfo {
    Click click;
    std::string_view name;  // as the tools spell it: "ml", "fmove(0)", "hogan"
    int target;             // the item in kItems the click lands on
};

// Every click of the window, in the order of Click. All but the last leave the window open.
inline constexpr std::array<ClickInfo, 13> kClicks{{
    {Click::ml, "ml", item_id("ml")},
    {Click::mr, "mr", item_id("mr")},
    {Click::mu, "mu", item_id("mu")},
    {Click::md, "md", item_id("md")},
    {Click::fmove_long, "fmove(0)", item_id("fmove", 0)},
    {Click::fmove_short, "fmove(1)", item_id("fmove", 1)},
    {Click::smove_large, "smove(0)", item_id("smove", 0)},
    {Click::smove_small, "smove(1)", item_id("smove", 1)},
    {Click::sukurin, "sukurin", item_id("sukurin")},
    {Click::kosen, "kosen", item_id("kosen")},
    {Click::syoten, "syoten", item_id("syoten")},
    {Click::hogan, "hogan", item_id("hogan")},
    {Click::owari, "owari", item_id("owari")},
}};

static_assert(
    [] {
        for (std::size_t i = 0; i < kClicks.size(); ++i) {
            if (kClicks[i].click != static_cast<Click>(i)) return false;
        }
        return kClicks.back().click == Click::owari;
    }(),
    "kClicks follows the order of Click and ends with the end button");

// The clicks that keep the window open: what a lesson, a replay or a random walk is made of.
inline constexpr std::size_t kLessonClicks = kClicks.size() - 1;

std::string_view click_name(Click c);
std::optional<Click> click_from_name(std::string_view name);
// The item in kItems that the click lands on.
int click_target(Click c);
// The click that lands on an item, if any.
std::optional<Click> click_on(int item);

// One click as the window delivers it.
void click(Window& w, Click c);

// Whether an arrow click would move the candle: not when it stands at that arrow's limit.
bool moves_candle(const Window& w, Click arrow);

}  // namespace korru
