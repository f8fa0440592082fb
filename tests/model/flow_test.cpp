// SPDX-License-Identifier: MIT
// The lesson's flow checked by exploring it: from several scenes, every sequence of the window's
// clicks, the lesson's actions and marks to a depth of six, breadth first, and long random walks;
// after every input the rules that keep a lesson honest must hold. A mark is for the bench it was
// made on; P never turns a prediction off; the experiment hides the answer; while the answer is
// hidden nothing says where the image is; an action that cannot be taken changes nothing and says
// why; the bar agrees with every action's state; a record is refused exactly when the answer is
// hidden or the row repeats the last; a copied scene opens to the same state.
#include "lesson/flow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <memory>
#include <random>
#include <unordered_set>

#include "lesson/lesson_bar.h"
#include "lesson/session.h"
#include "support.h"

namespace korru {
namespace {

std::string as_written(std::string_view text) {
    return std::string(text);
}

// What a pupil can do: a click of the window, a lesson action, a mark put on the image's tip (or
// the lens's centre where there is no image) or away from it, a mark moved by a key, or the
// copied scene opened again.
struct Input {
    enum class Kind { click, action, mark_on_tip, mark_away, nudge, reopen } kind;
    Click click = Click::ml;
    LessonAction action = LessonAction::predict;
};

std::vector<Input> inputs(bool with_reopen) {
    std::vector<Input> all;
    for (const ClickInfo& c : kClicks) {
        if (c.click != Click::owari) all.push_back({Input::Kind::click, c.click});
    }
    for (const LessonActionRow& row : lesson_actions()) {
        if (row.action != LessonAction::open_notebook) {
            all.push_back({Input::Kind::action, Click::ml, row.action});
        }
    }
    all.push_back({Input::Kind::mark_on_tip});
    all.push_back({Input::Kind::mark_away});
    all.push_back({Input::Kind::nudge});
    if (with_reopen) all.push_back({Input::Kind::reopen});
    return all;
}

// Words that say where the image is, or whether the pupil's screen has found it.
constexpr std::array<std::string_view, 9> kTelling{
    "実像",   "虚像", "像はレンズ", "像はできません",    "はっきり",
    "ぼやけ", "b = ", "倍",         "動かせる所より遠く"};

std::string telling_word(std::string_view text) {
    for (std::string_view w : kTelling) {
        if (text.find(w) != std::string_view::npos) return std::string(w);
    }
    return {};
}

// A lesson: the window, its session and what was said at the last input.
struct Lesson {
    Window window;
    Session session{window, as_written};
    std::vector<std::string> said;

    void start(std::string_view scene) {
        take(session.start_scene(ScreenSize::from_pixels(1024, 768), scene));
    }
    void take(const Outcome& out) {
        if (out.notice) said.push_back(out.notice->text);
    }
};

// The state the flow's rules speak of, to compare before and after an input.
struct Seen {
    std::size_t steps;  // the window changes by steps alone
    LessonMode mode;
    std::optional<BenchPoint> mark;
    bool experiment;
    int quarters;
    bool upper, lower;
    std::size_t rows;

    explicit Seen(const Session& s)
        : steps(s.steps().size()),
          mode(s.mode()),
          mark(s.prediction().mark()),
          experiment(s.experiment().on),
          quarters(s.experiment().quarters),
          upper(s.experiment().upper_covered),
          lower(s.experiment().lower_covered),
          rows(s.notebook().rows().size()) {}
    bool operator==(const Seen& o) const {
        return steps == o.steps && mode == o.mode && experiment == o.experiment &&
               quarters == o.quarters && upper == o.upper && lower == o.lower && rows == o.rows &&
               mark.has_value() == o.mark.has_value() &&
               (!mark || (mark->x == o.mark->x && mark->y == o.mark->y));
    }
};

bool hidden(LessonMode m) {
    return m == LessonMode::predicting || m == LessonMode::marked;
}

// The row a record would add now.
Measurement row_now(const Session& s) {
    Measurement m = measure(s.window());
    if (s.experiment().on) {
        m.screen = experiment_facts(s.window(), s.experiment()).screen_x / s.window().bench.unit;
    }
    return m;
}

const SvgLook& svg_look() {
    static const SvgLook look{as_written, [](const Text&) { return SvgLook::Face{}; },
                              [](std::string_view, bool) -> const std::string& {
                                  static const std::string none;
                                  return none;
                              }};
    return look;
}

void apply(Lesson& l, const Input& in) {
    Session& s = l.session;
    const Window& w = s.window();
    l.said.clear();
    switch (in.kind) {
        case Input::Kind::click:
            l.take(s.make(in.click));
            break;
        case Input::Kind::action:
            l.take(s.act(in.action));
            break;
        case Input::Kind::mark_on_tip:
            l.take(s.put_mark(image_tip(w).value_or(BenchPoint{w.bench.lensx, w.bench.axisy})));
            break;
        case Input::Kind::mark_away:
            l.take(s.put_mark({w.bench.lensx + 3 * w.bench.unit, w.bench.axisy - w.bench.unit}));
            break;
        case Input::Kind::nudge:
            l.take(s.nudge_mark(1, -1));
            break;
        case Input::Kind::reopen:
            if (const SceneCopy copy = s.scene_to_copy(); copy.scene) l.take(s.open(*copy.scene));
            break;
    }
}

// What the step or action did to the prediction and the notebook.
std::string step_rules(const Lesson& l, const Input& in, const Seen& before, const Seen& after,
                       bool moved, const Availability& could, bool repeats) {
    if (in.kind == Input::Kind::click) {
        // A mark is for the bench it was made on.
        if (moved) {
            if (after.mark) return "a mark outlived a move of the image";
            if (before.mode != LessonMode::observing && after.mode != LessonMode::predicting) {
                return "a move of the image did not start the next prediction";
            }
            if (before.mode == LessonMode::observing && after.mode != LessonMode::observing) {
                return "a move of the image started a prediction";
            }
            if (before.mark && l.said.size() != 1) return "a dropped mark was not said once";
        } else if (after.mode != before.mode || after.mark.has_value() != before.mark.has_value()) {
            return "a click that moves no image changed the prediction";
        }
    }
    if (in.kind != Input::Kind::action) return {};
    if (!could.enabled) {
        if (!(after == before)) return "an action that cannot be taken changed the lesson";
        if (could.why_not.empty() || l.said.size() != 1 || l.said[0] != could.why_not) {
            return "an action that cannot be taken did not say why";
        }
    }
    // An action taken does something a pupil sees; a record of the last row again says so.
    Seen unstepped = after;
    unstepped.steps = before.steps;
    if (could.enabled && in.action != LessonAction::record && unstepped == before) {
        return "an action that can be taken did nothing";
    }
    // P always starts a prediction, afresh, and never ends one.
    if (in.action == LessonAction::predict && could.enabled &&
        (after.mode != LessonMode::predicting || after.mark)) {
        return "P did not start a prediction without a mark";
    }
    if (in.action == LessonAction::predict && after.mode == LessonMode::observing) {
        return "P turned a prediction off";
    }
    // The experiment turned on hides whatever says where the image is.
    if (in.action == LessonAction::experiment && after.experiment &&
        after.mode == LessonMode::answered) {
        return "the experiment turned on with the answer shown";
    }
    // A record is refused exactly when the answer is hidden or the row repeats the last.
    if (in.action == LessonAction::record &&
        (after.rows == before.rows) != (hidden(before.mode) || repeats)) {
        return "a record refused wrongly";
    }
    return {};
}

// The bar, the menus and the keys agree with every action's state: the bar shows each action it
// shows as the action stands, and offers what the mode needs.
std::string bar_rules(const Session& s, const Seen& after) {
    const LessonBar bar = lesson_bar(s, as_written);
    for (const BarButton& b : bar.buttons) {
        const Availability now = s.availability(b.action);
        if (b.enabled != now.enabled || b.pressed != now.checked.value_or(false) ||
            b.why_not != (now.enabled ? std::string_view{} : now.why_not)) {
            return "the bar disagrees with an action's state";
        }
    }
    const auto on_bar = [&](LessonAction a) {
        return std::any_of(bar.buttons.begin(), bar.buttons.end(),
                           [a](const BarButton& b) { return b.action == a; });
    };
    if (on_bar(LessonAction::show_answer) != hidden(after.mode) ||
        on_bar(LessonAction::next) != (after.mode == LessonMode::answered) ||
        on_bar(LessonAction::screen_r) != after.experiment) {
        return "the bar offers what the mode does not";
    }
    if (s.availability(LessonAction::record).enabled == hidden(after.mode)) {
        return "record enabled while the answer is hidden, or refused while it is not";
    }
    if (hidden(after.mode)) {
        if (const std::string w = telling_word(bar.status); !w.empty()) {
            return "the bar tells \"" + w + "\" while the answer is hidden: " + bar.status;
        }
    }
    return {};
}

// While the answer is hidden, nothing says where the image is.
std::string hiding_rules(Lesson& l, bool deep) {
    Session& s = l.session;
    for (const Primitive& p : s.bench_drawing()) {
        const int item = item_of(p);
        if (item == Window::ids::real_image || item == Window::ids::virtual_image ||
            item == Window::ids::image_label || std::holds_alternative<Raster>(p) ||
            std::find(std::begin(Window::ids::rays), std::end(Window::ids::rays), item) !=
                std::end(Window::ids::rays)) {
            return "the bench shows the image while the answer is hidden";
        }
        if (const auto* t = std::get_if<Text>(&p); t && !telling_word(t->text).empty()) {
            return "the bench says where the image is while the answer is hidden";
        }
    }
    std::vector<std::string> said = l.said;
    said.push_back(s.words());
    if (deep) said.push_back(s.bench_svg(svg_look()));
    for (const std::string& text : said) {
        if (const std::string w = telling_word(text); !w.empty()) {
            return "\"" + w + "\" told while the answer is hidden: " + text.substr(0, 300);
        }
    }
    return {};
}

// A copied scene opens to the same window, prediction and experiment, and a scene that asks for
// a prediction says what to do.
std::string scene_rules(const Session& s) {
    const SceneCopy copy = s.scene_to_copy();
    if (!copy.scene) return {};
    Lesson twin;
    twin.start(*copy.scene);
    const Session& t = twin.session;
    if (t.json() != s.json() || t.prediction().asked() != s.prediction().asked() ||
        t.experiment().on != s.experiment().on ||
        t.experiment().quarters != s.experiment().quarters ||
        t.experiment().upper_covered != s.experiment().upper_covered ||
        t.experiment().lower_covered != s.experiment().lower_covered) {
        return "the copied scene " + *copy.scene + " opens to another state";
    }
    if (t.prediction().asked() && (twin.said.empty() || t.mode() != LessonMode::predicting)) {
        return "a scene that predicts opened without saying what to do";
    }
    return {};
}

// Gives `in` to `l` and checks every rule; the first broken one is returned, or nothing. `deep`
// checks the slower ones too: the SVG, and the copied scene opened again.
std::string apply_and_check(Lesson& l, const Input& in, bool deep) {
    const Session& s = l.session;
    const Seen before(s);
    const BenchState bench_before = s.window().bench;
    const Availability could =
        in.kind == Input::Kind::action ? s.availability(in.action) : Availability{};
    const bool repeats = !s.notebook().rows().empty() && s.notebook().rows().back() == row_now(s);
    apply(l, in);
    const Seen after(s);
    const bool moved = moves_image(bench_before, s.window().bench);
    if (after.mark && after.mode == LessonMode::observing) return "a mark while observing";
    if (before.mode == LessonMode::observing && after.mode == LessonMode::answered) {
        return "an answer without a prediction";
    }
    std::string broken = step_rules(l, in, before, after, moved, could, repeats);
    if (broken.empty()) broken = bar_rules(s, after);
    if (broken.empty() && hidden(after.mode)) broken = hiding_rules(l, deep);
    if (broken.empty() && deep) broken = scene_rules(s);
    return broken;
}

std::string path_text(const std::vector<Input>& all, const std::vector<std::uint8_t>& path) {
    std::string text;
    for (std::uint8_t i : path) {
        const Input& in = all[i];
        text += ' ';
        switch (in.kind) {
            case Input::Kind::click:
                text += click_name(in.click);
                break;
            case Input::Kind::action:
                text += "act(" + std::to_string(static_cast<int>(in.action)) + ")";
                break;
            case Input::Kind::mark_on_tip:
                text += "mark-tip";
                break;
            case Input::Kind::mark_away:
                text += "mark-away";
                break;
            case Input::Kind::nudge:
                text += "nudge";
                break;
            case Input::Kind::reopen:
                text += "reopen";
                break;
        }
    }
    return text;
}

// What the flow's rules can tell apart: the mode and the mark, the experiment (its screen at an
// end or not, its covers), the image (real, virtual or none), what a prediction hides and the
// focal length, and whether a record now would repeat the last row. The grid, the focal marks
// and the step are inputs from every kind, not kinds of their own. The exploration goes on from
// the first state of each kind it meets, so that every kind meets every input.
std::string state_kind(const Session& s) {
    const Experiment& e = s.experiment();
    const Window& w = s.window();
    std::string key;
    key += static_cast<char>('0' + static_cast<int>(s.mode()));
    key += s.prediction().mark() ? 'm' : '-';
    key += e.on ? 'E' : '-';
    key += e.quarters <= Experiment::kNearest    ? 'n'
           : e.quarters >= Experiment::kFarthest ? 'f'
                                                 : '-';
    key += e.upper_covered ? 'U' : '-';
    key += e.lower_covered ? 'L' : '-';
    key += w[Window::ids::real_image].visible      ? 'r'
           : w[Window::ids::virtual_image].visible ? 'v'
                                                   : '0';
    for (Click c : {Click::kosen, Click::sukurin, Click::fmove_long}) {
        const auto item = static_cast<std::size_t>(kClicks[static_cast<std::size_t>(c)].target);
        key += w.items[item].value == 1 ? '1' : '0';
    }
    const auto& rows = s.notebook().rows();
    key += rows.empty() ? 'e' : rows.back() == row_now(s) ? 's' : 'o';
    return key;
}

// The scenes the exploration starts from: start-up, a prediction asked for, the experiment with
// a prediction, the pupil's screen a step from its nearest place, and the candle on the focal
// point (no image; a virtual image a click away).
std::vector<std::string> start_scenes() {
    std::vector<std::string> scenes{"", "predict", "experiment.predict",
                                    "experiment.screen_l*38.kosen"};
    Window w = test::started(1024, 768);
    std::vector<Step> steps;
    for (int i = 0; i < 400 && image_tip(w); ++i) {
        click(w, Click::mr);
        steps.push_back(Click::mr);
    }
    EXPECT_FALSE(image_tip(w)) << "no click brought the candle onto the focal point";
    scenes.push_back(scene_text(steps));
    return scenes;
}

TEST(LessonFlow, EverySequenceToDepthSixKeepsTheRules) {
    const std::vector<Input> all = inputs(false);
    std::size_t explored = 0, kinds = 0;
    for (const std::string& scene : start_scenes()) {
        std::unordered_set<std::string> visited;
        std::vector<std::vector<std::uint8_t>> level{{}};
        {
            Lesson l;
            l.start(scene);
            visited.insert(state_kind(l.session));
        }
        for (int depth = 1; depth <= 6 && !level.empty(); ++depth) {
            std::vector<std::vector<std::uint8_t>> next;
            for (const auto& path : level) {
                for (std::size_t i = 0; i < all.size(); ++i) {
                    Lesson l;
                    l.start(scene);
                    for (std::uint8_t j : path) apply(l, all[j]);
                    std::vector<std::uint8_t> longer = path;
                    longer.push_back(static_cast<std::uint8_t>(i));
                    std::string broken = apply_and_check(l, all[i], false);
                    ++explored;
                    // The slower rules where a kind of state is first reached.
                    const bool new_kind = visited.insert(state_kind(l.session)).second;
                    if (broken.empty() && new_kind && hidden(l.session.mode())) {
                        broken = hiding_rules(l, true);
                    }
                    // The copied scene, the slowest, at every fourth new kind.
                    if (broken.empty() && new_kind && visited.size() % 4 == 0) {
                        broken = scene_rules(l.session);
                    }
                    ASSERT_TRUE(broken.empty())
                        << broken << "\n  from \"" << scene << "\" by" << path_text(all, longer);
                    if (new_kind) next.push_back(longer);
                }
            }
            level = std::move(next);
        }
        kinds += visited.size();
    }
    RecordProperty("explored", static_cast<int>(explored));
    RecordProperty("kinds", static_cast<int>(kinds));
    std::cout << explored << " inputs explored, " << kinds << " kinds of state\n";
    EXPECT_GT(kinds, 300u);
}

TEST(LessonFlow, LongRandomWalksKeepTheRules) {
    const std::vector<Input> all = inputs(true);
    std::mt19937 random(20261209);
    const std::vector<std::string> scenes = start_scenes();
    std::vector<std::uint8_t> path;
    std::unique_ptr<Lesson> l;
    std::string scene;
    for (int step = 0; step < 100000; ++step) {
        if (step % 2000 == 0) {
            scene = scenes[random() % scenes.size()];
            path.clear();
            l = std::make_unique<Lesson>();
            l->start(scene);
        }
        auto i = static_cast<std::uint8_t>(random() % all.size());
        if (all[i].kind == Input::Kind::reopen && random() % 8 != 0) i = 1;  // rarely: it is slow
        path.push_back(i);
        const std::string broken = apply_and_check(*l, all[i], step % 211 == 0);
        const std::size_t shown = std::min<std::size_t>(path.size(), 12);
        ASSERT_TRUE(broken.empty())
            << broken << "\n  from \"" << scene << "\", the last inputs"
            << path_text(all, {path.end() - static_cast<std::ptrdiff_t>(shown), path.end()});
    }
}

}  // namespace
}  // namespace korru
