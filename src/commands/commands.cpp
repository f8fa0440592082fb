// SPDX-License-Identifier: MIT
// The click handlers. Run-time errors name each handler as the window's event map does
// ("ml_click", "fmove_click"). Limits are recomputed from the unit on every click and enforced
// after the move, by strict comparison. Each handler checks the numbers it computes itself; the
// routines it calls check theirs.
#include "commands/commands.h"

#include <array>
#include <stdexcept>

#include "bench/scene.h"

namespace korru {

CandleLimits candle_limits(const BenchState& b) {
    return {b.unit * 20, b.unit / 2, b.unit + b.unit, b.unit * -6};
}

bool moves_candle(const Window& w, Click arrow) {
    const BenchState& b = w.bench;
    const CandleLimits limit = candle_limits(b);
    switch (arrow) {
        case Click::ml:
            return b.sdist != limit.farthest;
        case Click::mr:
            return b.sdist != limit.nearest;
        case Click::mu:
            return b.slift != limit.highest;
        case Click::md:
            return b.slift != limit.lowest;
        default:
            return false;
    }
}

void move_away(Window& w) {
    BenchState& b = w.bench;
    b.sdist = b.sdist + b.step;
    if (b.sdist > candle_limits(b).farthest) b.sdist = candle_limits(b).farthest;
    Window::checked(b.sdist, "ml_click", "sdist");
    update_bench(w);
}

void move_closer(Window& w) {
    BenchState& b = w.bench;
    b.sdist = b.sdist - b.step;
    if (b.sdist < candle_limits(b).nearest) b.sdist = candle_limits(b).nearest;
    Window::checked(b.sdist, "mr_click", "sdist");
    update_bench(w);
}

void move_up(Window& w) {
    BenchState& b = w.bench;
    b.slift = b.slift + b.step;
    if (b.slift > candle_limits(b).highest) b.slift = candle_limits(b).highest;
    Window::checked(b.slift, "mu_click", "slift");
    update_bench(w);
}

void move_down(Window& w) {
    BenchState& b = w.bench;
    b.slift = b.slift - b.step;
    if (b.slift < candle_limits(b).lowest) b.slift = candle_limits(b).lowest;
    Window::checked(b.slift, "md_click", "slift");
    update_bench(w);
}

namespace {

void check_index(int index, const char* handler) {
    if (index != 0 && index != 1) {
        throw std::out_of_range(std::string(handler) + ": option index must be 0 or 1");
    }
}

void show_group(Window& w, int box, std::initializer_list<Item*> group) {
    const bool shown = w[box].value == 1;
    for (Item* it : group) it->visible = shown;
}

}  // namespace

void choose_focal_length(Window& w, int index) {
    check_index(index, "fmove_click");
    BenchState& b = w.bench;
    b.flen = index == 0 ? b.unit * 6 : b.unit * 4;
    shape_lens(w);
    Window::checked(b.flen, "fmove_click", "flen");
    Window::checked(w.lens().left, "fmove_click", "korru.Left");
    Window::checked(w.lens().width, "fmove_click", "korru.Width");
    place_focal_marks(w, b.flen);
    update_bench(w);
}

void choose_step(Window& w, int index) {
    check_index(index, "smove_click");
    BenchState& b = w.bench;
    b.step = index == 0 ? b.unit / 2 : b.unit / 4;
    Window::checked(b.step, "smove_click", "step");
}

void show_screen(Window& w) {
    show_group(w, Window::ids::screen_box, {&w.screen_card()});
}

void show_rays(Window& w) {
    show_group(w, Window::ids::rays_box, {&w.ray(0), &w.ray(1), &w.ray(2), &w.ray(3)});
}

void show_focal_points(Window& w) {
    show_group(w, Window::ids::focal_box,
               {&w.focal_mark(0), &w.focal_mark(1), &w.focal_mark(2), &w.focal_mark(3),
                &w.focal_label(0), &w.focal_label(1)});
}

void show_grid(Window& w) {
    const bool shown = w.grid_box().value == 1;
    for (int i = 0; i <= 8; ++i) w.grid_above(i).visible = w.grid_below(i).visible = shown;
    for (int i = 0; i <= 18; ++i) w.grid_left(i).visible = w.grid_right(i).visible = shown;
}

void end_program(Window& w) {
    w.unloaded = true;
}

namespace {

const ClickInfo& info(Click c) {
    return kClicks.at(static_cast<std::size_t>(c));
}

// An option click selects the element and clears its partner before the handler runs.
void select(Window& w, const std::array<int, 2>& pair, int index) {
    w[pair[static_cast<std::size_t>(1 - index)]].value = 0;
    w[pair[static_cast<std::size_t>(index)]].value = 1;
}

// A check-box click toggles Value before the handler runs.
void toggle(Window& w, int box) {
    w[box].value = w[box].value == 1 ? 0 : 1;
}

}  // namespace

std::string_view click_name(Click c) {
    return info(c).name;
}

std::optional<Click> click_from_name(std::string_view name) {
    for (const auto& c : kClicks) {
        if (c.name == name) return c.click;
    }
    return std::nullopt;
}

int click_target(Click c) {
    return info(c).target;
}

std::optional<Click> click_on(int item) {
    for (const auto& c : kClicks) {
        if (c.target == item) return c.click;
    }
    return std::nullopt;
}

void click(Window& w, Click c) {
    using ids = Window::ids;
    switch (c) {
        case Click::ml:
            return move_away(w);
        case Click::mr:
            return move_closer(w);
        case Click::mu:
            return move_up(w);
        case Click::md:
            return move_down(w);
        case Click::fmove_long:
        case Click::fmove_short: {
            const int index = c == Click::fmove_long ? 0 : 1;
            select(w, ids::focal_options, index);
            return choose_focal_length(w, index);
        }
        case Click::smove_large:
        case Click::smove_small: {
            const int index = c == Click::smove_large ? 0 : 1;
            select(w, ids::step_options, index);
            return choose_step(w, index);
        }
        case Click::sukurin:
            toggle(w, ids::screen_box);
            return show_screen(w);
        case Click::kosen:
            toggle(w, ids::rays_box);
            return show_rays(w);
        case Click::syoten:
            toggle(w, ids::focal_box);
            return show_focal_points(w);
        case Click::hogan:
            toggle(w, ids::grid_box);
            return show_grid(w);
        case Click::owari:
            return end_program(w);
    }
    throw std::invalid_argument("unknown click");
}

}  // namespace korru
