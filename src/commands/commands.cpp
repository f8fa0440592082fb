// SPDX-License-Identifier: MIT
// The click handlers. Limits are recomputed from the unit on every click and enforced after the
// move, by strict comparison. Each handler checks the numbers it computes itself; the routines
// it calls check theirs.
#include "commands/commands.h"

#include <array>
#include <stdexcept>

#include "bench/scene.h"

namespace korru {

void ml_click(Window& w) {
    BenchState& b = w.bench;
    b.sdist = b.sdist + b.step;
    if (b.sdist > b.unit * 20) b.sdist = b.unit * 20;
    Window::checked(b.sdist, "ml_click", "sdist");
    update_bench(w);
}

void mr_click(Window& w) {
    BenchState& b = w.bench;
    b.sdist = b.sdist - b.step;
    if (b.sdist < b.unit / 2) b.sdist = b.unit / 2;
    Window::checked(b.sdist, "mr_click", "sdist");
    update_bench(w);
}

void mu_click(Window& w) {
    BenchState& b = w.bench;
    b.slift = b.slift + b.step;
    if (b.slift > b.unit + b.unit) b.slift = b.unit + b.unit;
    Window::checked(b.slift, "mu_click", "slift");
    update_bench(w);
}

void md_click(Window& w) {
    BenchState& b = w.bench;
    b.slift = b.slift - b.step;
    if (b.slift < b.unit * -6) b.slift = b.unit * -6;
    Window::checked(b.slift, "md_click", "slift");
    update_bench(w);
}

namespace {

void check_index(std::int16_t index, const char* handler) {
    if (index != 0 && index != 1) {
        throw std::out_of_range(std::string(handler) + ": option index must be 0 or 1");
    }
}

void show_group(Window& w, int box, std::initializer_list<Item*> group) {
    const bool shown = w[box].value == 1;
    for (Item* it : group) it->visible = shown;
}

}  // namespace

void fmove_click(Window& w, std::int16_t index) {
    check_index(index, "fmove_click");
    BenchState& b = w.bench;
    b.flen = index == 0 ? b.unit * 6 : b.unit * 4;
    shape_lens(w);
    Window::checked(b.flen, "fmove_click", "flen");
    Window::checked(w.korru().left, "fmove_click", "korru.Left");
    Window::checked(w.korru().width, "fmove_click", "korru.Width");
    place_focal_marks(w, b.flen);
    update_bench(w);
}

void smove_click(Window& w, std::int16_t index) {
    check_index(index, "smove_click");
    BenchState& b = w.bench;
    b.step = index == 0 ? b.unit / 2 : b.unit / 4;
    Window::checked(b.step, "smove_click", "step");
}

void sukurin_click(Window& w) {
    show_group(w, Window::ids::sukurin, {&w.scrn()});
}

void kosen_click(Window& w) {
    show_group(w, Window::ids::kosen, {&w.rl(0), &w.rl(1), &w.rl(2), &w.rl(3)});
}

void syoten_click(Window& w) {
    show_group(w, Window::ids::syoten,
               {&w.fl(0), &w.fl(1), &w.fl(2), &w.fl(3), &w.ft(0), &w.ft(1)});
}

void hogan_click(Window& w) {
    const bool shown = w.hogan().value == 1;
    for (std::int16_t i = 0; i <= 8; ++i) w.LYU(i).visible = w.LYD(i).visible = shown;
    for (std::int16_t i = 0; i <= 18; ++i) w.LXL(i).visible = w.LXR(i).visible = shown;
}

void owari_click(Window& w) {
    w.unloaded = true;
}

namespace {

struct ClickInfo {
    Click click;
    std::string_view name;
    int target;
};

constexpr std::array<ClickInfo, 13> kClicks{{
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
        return true;
    }(),
    "kClicks follows the order of Click");

const ClickInfo& info(Click c) {
    return kClicks.at(static_cast<std::size_t>(c));
}

// An option click selects the element and clears its partner before the handler runs.
void select(Window& w, const std::array<int, 2>& pair, std::int16_t index) {
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

void click(Window& w, Click c) {
    using ids = Window::ids;
    switch (c) {
        case Click::ml:
            return ml_click(w);
        case Click::mr:
            return mr_click(w);
        case Click::mu:
            return mu_click(w);
        case Click::md:
            return md_click(w);
        case Click::fmove_long:
        case Click::fmove_short: {
            const std::int16_t index = c == Click::fmove_long ? 0 : 1;
            select(w, ids::fmove, index);
            return fmove_click(w, index);
        }
        case Click::smove_large:
        case Click::smove_small: {
            const std::int16_t index = c == Click::smove_large ? 0 : 1;
            select(w, ids::smove, index);
            return smove_click(w, index);
        }
        case Click::sukurin:
            toggle(w, ids::sukurin);
            return sukurin_click(w);
        case Click::kosen:
            toggle(w, ids::kosen);
            return kosen_click(w);
        case Click::syoten:
            toggle(w, ids::syoten);
            return syoten_click(w);
        case Click::hogan:
            toggle(w, ids::hogan);
            return hogan_click(w);
        case Click::owari:
            return owari_click(w);
    }
    throw std::invalid_argument("unknown click");
}

}  // namespace korru
