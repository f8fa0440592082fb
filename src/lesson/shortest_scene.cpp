// SPDX-License-Identifier: MIT
// The shortest scene: a search over the candle's moves, checked by a replay.
#include "lesson/shortest_scene.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <utility>

#include "commands/startup.h"
#include "lesson/scene_text.h"
#include "lesson/session.h"
#include "window/scene_json.h"

namespace korru {

namespace {

// More states than the candle reaches along one way at either step, with every float a way of
// getting there leaves it at.
constexpr std::size_t kMostStates = 1 << 15;

std::uint32_t bits(float value) {
    std::uint32_t out;
    std::memcpy(&out, &value, sizeof out);
    return out;
}

// The window after `steps` from start-up; none where a step raised the run-time error.
std::optional<Window> replayed(const std::vector<Step>& steps, ScreenSize screen) {
    Window w;
    try {
        start_up(w, screen);
        for (const Step& s : steps) {
            if (const Click* c = std::get_if<Click>(&s)) click(w, *c);
        }
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
    return w;
}

// The fewest clicks of `moves` and the two steps that take the candle from where it stands in
// `from` to where `goal` has it one way (sdist or slift, which only these moves change, from the
// place and the step alone). The search keeps only those two numbers of each state it reaches,
// and asks the window's own handlers for the next: on a probe given them, one click.
struct Way {
    std::array<Click, 2> moves;
    float BenchState::*place;
};

std::optional<std::vector<Click>> fewest_clicks(const Window& from, float goal, const Way& way) {
    struct Node {
        float place, step;
        std::size_t parent;
        Click by;
    };
    std::vector<Node> nodes{{from.bench.*way.place, from.bench.step, 0, Click::ml}};
    std::set<std::pair<std::uint32_t, std::uint32_t>> seen{
        {bits(nodes[0].place), bits(nodes[0].step)}};
    const std::array<Click, 4> clicks{way.moves[0], way.moves[1], Click::smove_large,
                                      Click::smove_small};
    Window probe = from;
    for (std::size_t at = 0; at < nodes.size(); ++at) {
        if (bits(nodes[at].place) == bits(goal)) {
            std::vector<Click> path;
            for (std::size_t n = at; n != 0; n = nodes[n].parent) path.push_back(nodes[n].by);
            return std::vector<Click>(path.rbegin(), path.rend());
        }
        for (Click c : clicks) {
            probe.bench.*way.place = nodes[at].place;
            probe.bench.step = nodes[at].step;
            try {
                click(probe, c);
            } catch (const RuntimeError&) {
                continue;
            }
            const Node next{probe.bench.*way.place, probe.bench.step, at, c};
            if (!seen.insert({bits(next.place), bits(next.step)}).second) continue;
            if (nodes.size() >= kMostStates) return std::nullopt;
            nodes.push_back(next);
        }
    }
    return std::nullopt;
}

// The image a scene update formed: what it leaves on items that a later update of another case
// does not touch (a hidden image keeps where it was last formed).
enum class Formed { real, virtual_image, none };

Formed formed(const Window& w) {
    if (w[Window::ids::real_image].visible) return Formed::real;
    if (w[Window::ids::virtual_image].visible) return Formed::virtual_image;
    return Formed::none;
}

// The clicks that bring `w` (which they are made on) to the focal length, the candle's place and
// the step of `goal`; none where the search finds no way.
std::optional<std::vector<Click>> bring(Window& w, const BenchState& goal) {
    std::vector<Click> path;
    const auto make = [&](Click c) {
        click(w, c);
        path.push_back(c);
    };
    if (bits(w.bench.flen) != bits(goal.flen)) {
        Window longer = w;
        click(longer, Click::fmove_long);
        make(bits(longer.bench.flen) == bits(goal.flen) ? Click::fmove_long : Click::fmove_short);
    }
    for (const Way& way : {Way{{Click::ml, Click::mr}, &BenchState::sdist},
                           Way{{Click::mu, Click::md}, &BenchState::slift}}) {
        const auto clicks = fewest_clicks(w, goal.*way.place, way);
        if (!clicks) return std::nullopt;
        for (Click c : *clicks) make(c);
    }
    if (bits(w.bench.step) != bits(goal.step)) {
        Window larger = w;
        click(larger, Click::smove_large);
        make(bits(larger.bench.step) == bits(goal.step) ? Click::smove_large : Click::smove_small);
    }
    return path;
}

// The steps as made, and the window after each.
struct History {
    std::vector<Step> steps;
    std::vector<BenchState> bench;  // after each step
    std::vector<Formed> image;      // what the update after each step formed
    Window start, end;
};

std::optional<History> replay_history(const std::vector<Step>& steps, ScreenSize screen) {
    History h;
    try {
        start_up(h.start, screen);
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
    h.end = h.start;
    Formed last = formed(h.start);
    for (const Step& s : steps) {
        if (const Click* c = std::get_if<Click>(&s)) {
            try {
                click(h.end, *c);
            } catch (const RuntimeError&) {
                return std::nullopt;
            }
            if (*c != Click::smove_large && *c != Click::smove_small && *c != Click::sukurin &&
                *c != Click::kosen && *c != Click::syoten && *c != Click::hogan) {
                last = formed(h.end);
            }
            h.steps.push_back(s);
            h.bench.push_back(h.end.bench);
            h.image.push_back(last);
        }
    }
    return h;
}

bool is_toggle(Click c) {
    return c == Click::sukurin || c == Click::kosen || c == Click::syoten || c == Click::hogan;
}

// Toggles shown an odd number of times among steps[from, to).
std::vector<Step> toggles_left(const std::vector<Step>& steps, std::size_t from, std::size_t to) {
    std::map<Click, int> toggled;
    for (std::size_t i = from; i < to; ++i) {
        const Click c = std::get<Click>(steps[i]);
        if (is_toggle(c)) toggled[c] ^= 1;
    }
    std::vector<Step> out;
    for (const auto& [c, odd] : toggled) {
        if (odd) out.emplace_back(c);
    }
    return out;
}

// A candidate: the steps before `keep_from` replaced by the toggles they leave and the fewest
// clicks to the state after them, the steps from there to `shorten_from` as made, and those from
// `shorten_from` on replaced the same way.
std::optional<std::vector<Step>> candidate(const History& h, std::size_t keep_from,
                                           std::size_t shorten_from) {
    std::vector<Step> out = toggles_left(h.steps, 0, keep_from);
    Window w = h.start;
    try {
        if (keep_from > 0) {
            const auto path = bring(w, h.bench[keep_from - 1]);
            if (!path) return std::nullopt;
            out.insert(out.end(), path->begin(), path->end());
        }
        for (std::size_t i = keep_from; i < shorten_from; ++i) {
            click(w, std::get<Click>(h.steps[i]));
            out.push_back(h.steps[i]);
        }
        if (shorten_from < h.steps.size()) {
            const auto path = bring(w, h.end.bench);
            if (!path) return std::nullopt;
            out.insert(out.end(), path->begin(), path->end());
            const auto rest = toggles_left(h.steps, shorten_from, h.steps.size());
            out.insert(out.end(), rest.begin(), rest.end());
        }
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
    return out;
}

// The lesson's own steps that leave where `steps` leave the prediction and the experiment: the
// toggles that stand, and the screen moved straight to where it stands.
std::vector<Step> lesson_steps_left(const std::vector<Step>& steps) {
    bool used = false;
    Prediction p;
    Experiment e;
    for (const Step& s : steps) {
        const LessonClick* c = std::get_if<LessonClick>(&s);
        if (!c) continue;
        lesson_click(*c, p, e);
        used = used || *c != LessonClick::predict;
    }
    std::vector<Step> out;
    const int moves = e.quarters - Experiment::kFirst;
    out.insert(out.end(), static_cast<std::size_t>(std::abs(moves)),
               moves > 0 ? LessonClick::screen_r : LessonClick::screen_l);
    if (e.upper_covered) out.emplace_back(LessonClick::cover_upper);
    if (e.lower_covered) out.emplace_back(LessonClick::cover_lower);
    if (e.on) out.emplace_back(LessonClick::experiment);
    // Used and left as it began: still used, so that its numbers are still told.
    if (used && out.empty()) out.insert(out.end(), 2, LessonClick::experiment);
    if (p.asked()) out.emplace_back(LessonClick::predict);
    return out;
}

}  // namespace

std::vector<Step> shortest_steps(const std::vector<Step>& steps, ScreenSize screen) {
    const std::vector<Step> lesson = lesson_steps_left(steps);
    const auto history = replay_history(steps, screen);
    if (!history) return steps;
    const History& h = *history;
    const std::size_t n = h.steps.size();

    // What a hidden image keeps comes from where it was last formed: the steps from the last
    // image of another case than the last are kept as made (the place before them is reached
    // the shortest way), unless the shortest way reproduces it anyway. The steps of the last
    // run of one case may be shortened too.
    const Formed final_case = n ? h.image.back() : formed(h.start);
    std::size_t run = n;  // where the last run of the final case begins
    while (run > 0 && h.image[run - 1] == final_case) --run;
    std::optional<std::size_t> other[2];  // the last step of each other case
    for (std::size_t i = n; i-- > 0;) {
        const Formed f = h.image[i];
        if (f == final_case || f == Formed::none) continue;
        auto& last = other[f == Formed::real ? 0 : 1];
        if (!last) last = i;
    }
    std::size_t keep_from = n;
    for (const auto& last : other) {
        if (last) keep_from = std::min(keep_from, *last);
    }
    std::vector<std::pair<std::size_t, std::size_t>> tries{{n, n}, {keep_from, n}, {0, run}};
    if (keep_from < run) tries.emplace_back(keep_from, run);

    const std::string target = scene_json(h.end, screen);
    std::vector<Step> best = steps;
    std::size_t best_size = scene_text(steps).size();
    for (const auto& [keep, shorten] : tries) {
        auto c = candidate(h, keep, std::max(keep, shorten));
        if (!c) continue;
        c->insert(c->end(), lesson.begin(), lesson.end());
        const std::size_t size = scene_text(*c).size();
        if (size >= best_size) continue;
        const auto check = replayed(*c, screen);
        if (!check || scene_json(*check, screen) != target) continue;
        best = std::move(*c);
        best_size = size;
    }
    return best;
}

}  // namespace korru
