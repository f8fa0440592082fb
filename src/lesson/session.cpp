// SPDX-License-Identifier: MIT
// The session: steps, replays, the prediction and the notebook, and what they show.
#include "lesson/session.h"

#include <algorithm>
#include <utility>

#include "commands/startup.h"
#include "lesson/captions.h"
#include "lesson/experiment_words.h"
#include "lesson/lesson_bar.h"
#include "lesson/shortest_scene.h"
#include "window/scene_json.h"

namespace korru {

namespace {

constexpr std::string_view kRecordedReal = "%1 行目を記録しました: 実像、b = %2 マス。";
constexpr std::string_view kRecordedVirtual = "%1 行目を記録しました: 虚像、b = %2 マス。";
constexpr std::string_view kRecordedNone = "%1 行目を記録しました: 像はできません。";
constexpr std::string_view kSameRow = "%1 行目と同じなので、記録しませんでした。";
// Counted: each catalogue has the forms its language needs for the number of rows.
constexpr std::string_view kAskClear = "測定ノートの行をすべて消しますか? (%n 行)";
constexpr std::string_view kAskRemove = "%1 行目を消しますか?";
constexpr std::string_view kSceneCopied = "場面をコピーしました: %1";
constexpr std::string_view kSceneTooLong = "クリックが多すぎるため、場面をコピーできません。";
constexpr std::string_view kUnkept = "%n 行はまだ保存されていません。";

// A scene shown in a notice: its beginning, where it is long.
constexpr std::size_t kShownScene = 60;

std::string shortened(const std::string& text) {
    if (text.size() <= kShownScene) return text;
    std::size_t end = kShownScene;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.substr(0, end) + "…";
}

// The bench shown again, and the lesson's mode with it.
Outcome shown_again() {
    Outcome out;
    out.bench = out.mode = true;
    return out;
}

Outcome said(std::string text) {
    Outcome out;
    out.notice = Notice{std::move(text), false};
    return out;
}

}  // namespace

void lesson_click(LessonClick c, Prediction& p, Experiment& e) {
    switch (c) {
        case LessonClick::predict:
            p.ask(!p.asked());
            break;
        case LessonClick::experiment:
            e.on = !e.on;
            break;
        case LessonClick::screen_r:
            e.screen_r();
            break;
        case LessonClick::screen_l:
            e.screen_l();
            break;
        case LessonClick::cover_upper:
            e.cover_upper();
            break;
        case LessonClick::cover_lower:
            e.cover_lower();
            break;
    }
}

Outcome& Outcome::operator|=(const Outcome& other) {
    bench = bench || other.bench;
    rows = rows || other.rows;
    mode = mode || other.mode;
    if (other.notice) notice = other.notice;
    return *this;
}

Session::Session(Window& window, Translate translate, Store* store, CountedTranslate counted)
    : window_(window),
      translate_(translate),
      counted_(counted ? std::move(counted)
                       : [translate](
                             std::string_view text,
                             unsigned long n) { return counted_as_written(translate(text), n); }),
      keeper_(store, std::move(translate)) {}

void Session::start(ScreenSize screen, std::vector<Step> steps) {
    Window fresh;
    start_up(fresh, screen);
    Prediction prediction;
    Experiment experiment;
    for (const Step& s : steps) {
        if (const Click* c = std::get_if<Click>(&s)) {
            click(fresh, *c);
        } else {
            lesson_click(std::get<LessonClick>(s), prediction, experiment);
        }
    }
    window_ = std::move(fresh);
    screen_ = screen;
    steps_ = std::move(steps);
    prediction_ = prediction;
    experiment_ = experiment;
}

Outcome Session::start_scene(ScreenSize screen, std::string_view scene) {
    SceneRead read = read_scene(scene);
    if (read.projector) look_ = BenchLook::projector;
    start(screen, read.fault == SceneFault::none ? std::move(read.steps) : std::vector<Step>{});
    if (read.fault == SceneFault::none) return started();
    Outcome out = shown_again();
    out.notice = Notice{scene_fault_text(read, translate_), false};
    return out;
}

// A scene begun: where it asks for a prediction, what to do is said as P says it.
Outcome Session::started() const {
    Outcome out = shown_again();
    if (prediction_.asked()) {
        const std::string_view says = flow_move(LessonMode::observing, FlowEvent::predict).says;
        out.notice = Notice{translate_(says), false};
    }
    return out;
}

Outcome Session::open(std::string_view scene) {
    SceneRead read = read_scene(scene);
    if (read.fault != SceneFault::none) {
        return said(scene_fault_text(read, translate_));
    }
    if (read.projector) look_ = BenchLook::projector;
    start(screen_, std::move(read.steps));
    return started();
}

void Session::replay(ScreenSize screen) {
    Window fresh;
    start_up(fresh, screen);
    for (const Step& s : steps_) {
        if (const Click* c = std::get_if<Click>(&s)) click(fresh, *c);
    }
    prediction_.carry_mark(window_, fresh);
    window_ = std::move(fresh);
    screen_ = screen;
}

Outcome Session::make(Step s) {
    Outcome out;
    out.bench = true;
    if (const Click* c = std::get_if<Click>(&s)) {
        const BenchState before = window_.bench;
        click(window_, *c);
        if (*c == Click::owari) return out;
        steps_.push_back(s);
        if (moves_image(before, window_.bench)) out |= move(FlowEvent::image_moved);
        return out;
    }
    const LessonClick l = std::get<LessonClick>(s);
    lesson_click(l, prediction_, experiment_);
    steps_.push_back(s);
    out.mode = l == LessonClick::predict || l == LessonClick::experiment;
    if (l == LessonClick::experiment && experiment_.on) out |= move(FlowEvent::experiment_on);
    return out;
}

// The flow's line for `e` from the mode the lesson is in, taken: a prediction asked for or given
// up is a step of the lesson, kept in its scene; the rest changes the prediction alone.
Outcome Session::move(FlowEvent e, std::optional<BenchPoint> mark) {
    const LessonMode from = mode();
    const FlowMove to = flow_move(from, e);
    if (!to.listed) return {};
    Outcome out;
    if ((from == LessonMode::observing) != (to.to == LessonMode::observing)) {
        out = make(LessonClick::predict);
    }
    switch (to.to) {
        case LessonMode::observing:
            break;
        case LessonMode::predicting:
            if (from != LessonMode::observing) prediction_.ask(true);
            break;
        case LessonMode::marked:
            if (mark) {
                prediction_.put_mark(*mark);
            } else {
                prediction_.hide_answer();
            }
            break;
        case LessonMode::answered:
            prediction_.show_answer();
            break;
    }
    out.bench = out.mode = true;
    out.withdraw = korru::answer_hidden(from) && !korru::answer_hidden(mode());
    if (!to.says.empty()) out.notice = Notice{translate_(to.says), false};
    return out;
}

Outcome Session::act(LessonAction a) {
    const Availability now = availability(a);
    if (!now.enabled) return said(translate_(now.why_not));
    switch (a) {
        case LessonAction::predict:
            return move(FlowEvent::predict);
        case LessonAction::show_answer:
            return move(FlowEvent::show_answer);
        case LessonAction::record:
            return record();
        case LessonAction::next:
            return move(FlowEvent::next);
        case LessonAction::leave:
            return move(FlowEvent::leave);
        case LessonAction::experiment:
            return make(LessonClick::experiment);
        case LessonAction::screen_l:
            return make(LessonClick::screen_l);
        case LessonAction::screen_r:
            return make(LessonClick::screen_r);
        case LessonAction::cover_upper:
            return make(LessonClick::cover_upper);
        case LessonAction::cover_lower:
            return make(LessonClick::cover_lower);
        case LessonAction::open_notebook:
            break;
    }
    return {};
}

Outcome Session::predict(bool on) {
    return move(on ? FlowEvent::predict : FlowEvent::leave);
}

Outcome Session::put_mark(BenchPoint p) {
    return move(FlowEvent::mark, p);
}

Outcome Session::nudge_mark(int across, int down) {
    if (!prediction_.asked()) return {};
    return move(FlowEvent::mark, prediction_.nudged(window_, across, down));
}

Outcome Session::show_answer() {
    return move(FlowEvent::show_answer);
}

Outcome Session::next_prediction() {
    return move(FlowEvent::next);
}

Outcome Session::kept(std::optional<Notice> notice, bool rows) {
    Outcome out;
    out.rows = rows;
    out.notice = std::move(notice);
    return out;
}

Outcome Session::load_notebook() {
    return kept(keeper_.load());
}

Outcome Session::store_changed() {
    std::optional<Notice> said = keeper_.refresh();
    // A change kept a moment after it was made (the store held only then) that was not kept
    // says how many rows wait, as the change itself would have.
    if (said && said->lasting && unkept_rows() > 0) said->text += ' ' + unkept_text();
    return kept(std::move(said));
}

Outcome Session::record() {
    if (const Availability now = availability(LessonAction::record); !now.enabled) {
        return said(translate_(now.why_not));
    }
    Measurement m = measure(window_);
    if (experiment_.on) {
        m.screen = experiment_facts(window_, experiment_).screen_x / window_.bench.unit;
    }
    const auto& rows = notebook().rows();
    if (!rows.empty() && rows.back() == m) {
        return said(with_numbers(translate_(kSameRow), {std::to_string(rows.size())}));
    }
    std::optional<Notice> keeping = keeper_.add(m);
    const std::string row = std::to_string(notebook().rows().size());
    const std::string_view text = m.image == ImageCase::real            ? kRecordedReal
                                  : m.image == ImageCase::virtual_image ? kRecordedVirtual
                                                                        : kRecordedNone;
    Notice notice{with_numbers(translate_(text), {row, spoken_number(m.image_distance)}), false};
    if (keeping) {
        notice.text += ' ' + keeping->text;
        notice.lasting = keeping->lasting;
    }
    if (unkept_rows() > 0) notice.text += ' ' + unkept_text();
    return kept(std::move(notice));
}

Outcome Session::remove_row(RowId id) {
    return kept(keeper_.remove(id));
}

std::string Session::remove_question(RowId id) const {
    const auto& ids = notebook().ids();
    const auto at = std::find(ids.begin(), ids.end(), id);
    return with_numbers(translate_(kAskRemove), {std::to_string(at - ids.begin() + 1)});
}

std::string Session::clear_question() const {
    const std::size_t rows = notebook().rows().size();
    return counted_(kAskClear, rows);
}

Outcome Session::clear_rows() {
    return kept(keeper_.clear());
}

std::string Session::notebook_csv() const {
    return notebook().csv(translate_);
}

std::string Session::unkept_text() const {
    if (unkept_rows() == 0) return {};
    return counted_(kUnkept, unkept_rows());
}

SceneCopy Session::scene_to_copy() const {
    if (steps_.size() > kMostSceneClicks) return {std::nullopt, {translate_(kSceneTooLong), false}};
    std::string scene = scene_text(shortest_steps(steps_, screen_), look_);
    Notice notice{with_numbers(translate_(kSceneCopied), {shortened(scene)}), false};
    return {std::move(scene), std::move(notice)};
}

bool Session::experiment_used() const {
    return std::any_of(steps_.begin(), steps_.end(), [](const Step& s) {
        const LessonClick* c = std::get_if<LessonClick>(&s);
        return c && *c != LessonClick::predict;
    });
}

std::string Session::lesson_json() const {
    if (!experiment_used()) return {};
    const ExperimentFacts f = experiment_facts(window_, experiment_);
    return std::string("\"lesson\":{\"experiment\":") + (experiment_.on ? "true" : "false") +
           ",\"screen_x\":" + shortest_text(f.screen_x) + ",\"blur\":" + shortest_text(f.blur) +
           ",\"scale\":" + shortest_text(f.scale) + ",\"open\":" + shortest_text(f.open) + "}";
}

std::string Session::json() const {
    std::string text = scene_json(window_, screen_);
    const std::string lesson = lesson_json();
    const std::size_t end = text.rfind('}');
    if (!lesson.empty() && end != std::string::npos) text.insert(end, "," + lesson);
    return text;
}

void Session::draw(Drawing& out, std::string& words, double ratio) const {
    draw_bench(window_, out);
    draw_experiment(window_, experiment_, ratio, out);
    add_prediction(window_, prediction_, translate_, out, words, experiment_.on);
    if (look_ == BenchLook::projector) projector_look(out);
}

Outcome Session::set_look(BenchLook look) {
    Outcome out;
    out.bench = look != look_;
    look_ = look;
    return out;
}

const Drawing& Session::bench_drawing(double ratio) {
    draw(drawing_, drawing_words_, ratio);
    return drawing_;
}

std::string Session::words() const {
    if (experiment_.on) return describe_experiment(window_, experiment_, prediction_, translate_);
    return describe_lesson(window_, prediction_, translate_);
}

std::string Session::bench_svg(const SvgLook& look) const {
    Drawing drawing;
    std::string words_drawn;
    // The light on the screen at the print ratio: sharp where it is zoomed or printed.
    draw(drawing, words_drawn, kPrintRatio);
    const Item& area = window_[Window::ids::bench_area];
    const PixelBox size = pixel_box(area.left, area.top, area.width, area.height);
    return drawing_svg(drawing, size.width, size.height, look, window_.main.caption, words());
}

void Session::draw_plot(PlotView view, int width, int height, Drawing& out,
                        std::deque<std::string>& words) const {
    korru::draw_plot(notebook(), view, width, height, translate_, out, words);
}

std::string Session::plot_svg(PlotView view, const SvgLook& look) const {
    Drawing drawing;
    std::deque<std::string> words;
    draw_plot(view, kPlotPictureWidth, kPlotPictureHeight, drawing, words);
    return drawing_svg(
        drawing, kPlotPictureWidth, kPlotPictureHeight, look, translate_(kCaptions.notebook),
        translate_(view == PlotView::distances ? kCaptions.distances : kCaptions.reciprocals));
}

std::vector<std::string_view> session_texts() {
    return {kRecordedReal, kRecordedVirtual, kRecordedNone, kSameRow, kAskClear,
            kAskRemove,    kSceneCopied,     kSceneTooLong, kUnkept};
}

}  // namespace korru
