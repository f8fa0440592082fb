// SPDX-License-Identifier: MIT
// The page's run: start-up on the viewport, clicks, keys, the lesson's actions, replays on a new
// viewport, the end and run-time errors.
#include "web/page.h"

#include <cmath>
#include <cstdio>
#include <utility>

#include "lesson/bench_pointer.h"
#include "lesson/flow.h"
#include "lesson/lesson_bar.h"
#include "lesson/scene_text.h"
#include "web/css.h"
#include "web/fonts.h"
#include "window/caption_font.h"

namespace korru::web {

using emscripten::val;

namespace {

// The page's own words, in one place, translated where they are shown. They reach the page as
// std::string, which the bindings pass on as UTF-8 (a bare char pointer would be taken for
// Latin-1).
const std::string kEnded =
    QT_TRANSLATE_NOOP("korru", "おわりました。このタブは閉じてかまいません。");
const std::string kFailed = QT_TRANSLATE_NOOP("korru", "実行時エラーのため、おわりました。");
const std::string kAgain =
    QT_TRANSLATE_NOOP("korru", "もう一度始めるには、ページを読み込み直してください。");
const std::string kAborted =
    QT_TRANSLATE_NOOP("korru", "このブラウザーでは Tavensu を動かせませんでした。");

// How long the viewport keeps one size before the window starts up again on it: a tablet's
// rotation or a dragged window edge sends many resize events in a row.
constexpr int kSettleMilliseconds = 150;

val by_id(const char* id) {
    return val::global("document").call<val>("getElementById", val(id));
}

// Whether the event's modifiers are `shift` alone or none.
bool only_shift(const val& event, bool shift) {
    for (const char* modifier : {"altKey", "ctrlKey", "metaKey", "isComposing"}) {
        if (event[modifier].isTrue()) return false;
    }
    return event["shiftKey"].isTrue() == shift;
}

// An arrow key's way; Alt+← and the like stay the browser's, as the caller sees to.
std::optional<Arrow> arrow_of(const val& event) {
    const std::string key = event["key"].as<std::string>();
    if (key == "ArrowLeft") return Arrow::left;
    if (key == "ArrowRight") return Arrow::right;
    if (key == "ArrowUp") return Arrow::up;
    if (key == "ArrowDown") return Arrow::down;
    return std::nullopt;
}

// Ctrl (⌘ on a Mac) with a letter alone: the letter as typed, or the key's place on a keyboard
// whose letters are not Latin.
bool shortcut(const val& event, char letter) {
    if (!(event["ctrlKey"].isTrue() || event["metaKey"].isTrue()) || event["altKey"].isTrue() ||
        event["shiftKey"].isTrue()) {
        return false;
    }
    const std::string key = event["key"].as<std::string>();
    if (key.size() == 1 && ((key[0] | 0x20) >= 'a' && (key[0] | 0x20) <= 'z')) {
        return (key[0] | 0x20) == letter;
    }
    const val code = event["code"];
    return code.isString() && code.as<std::string>() == std::string("Key") + char(letter - 0x20);
}

// A lesson's key alone (no modifier), as typed or, on a keyboard whose letters are not Latin
// (or with an input method that makes "," a "、"), by its place.
bool letter(const val& event, char l) {
    if (!only_shift(event, false)) return false;
    const std::string key = event["key"].as<std::string>();
    if (key.size() == 1) return (key[0] >= 'A' && key[0] <= 'Z' ? key[0] | 0x20 : key[0]) == l;
    const val code = event["code"];
    if (!code.isString()) return false;
    const std::string place = l == ','   ? "Comma"
                              : l == '.' ? "Period"
                                         : std::string("Key") + char(l - 0x20);
    return code.as<std::string>() == place;
}

// A finger's plan where the page's primary pointer is one; a tablet that takes a mouse, or
// loses it, plans again as on a new viewport.
val finger_query() {
    static const val query =
        val::global("window").call<val>("matchMedia", val("(pointer: coarse)"));
    return query;
}

}  // namespace

PagePlan Page::planned() const {
    const val root = val::global("document")["documentElement"];
    return page_plan(root["clientWidth"].as<int>(), root["clientHeight"].as<int>(),
                     finger_query()["matches"].as<bool>());
}

void Page::start() {
    // The viewport read before the page is changed, so that reading it lays nothing out.
    const PagePlan plan = planned();
    val document = val::global("document");
    use_browser_language();
    on_language_shown([this] { language_shown(); });
    by_id("ended-text")["dataset"].set("aborted", translated(kAborted));
    document.set("title", model_.main.caption);
    document["documentElement"]["style"].set("font", css_font(kDefaultFontPixels));
    // The page's icon and the notebook wait until the first frame is shown: the bench comes
    // first.
    val window = val::global("window");
    window.call<void>("requestAnimationFrame", val::module_property("first_frame"));
    controls_.emplace(by_id("client"), val::module_property("press"), val::module_property("key"));
    lesson_.emplace(by_id("lesson"));
    bench_.emplace(controls_->bench(), session_,
                   BenchWidget::Hooks{
                       .step = [this](Step s) { return apply(s); },
                       .moved = [this](const Outcome& out) { show(out); },
                       .dropped = [this] { describe(); },
                       .marked = [this](BenchPoint p) { show(session_.put_mark(p)); },
                       .took = [this] { worksheet_->cancel_long_press(); },
                   });
    notice_.emplace(by_id("notice"), "notice_done");
    worksheet_.emplace(controls_->bench(), *notice_);
    val bench = controls_->bench();
    for (const char* type : {"pointerdown", "pointermove", "pointerup", "pointercancel",
                             "lostpointercapture", "touchstart", "touchmove"}) {
        val options = val::object();
        options.set("passive", false);  // a held candle keeps its touches from the page
        bench.call<void>("addEventListener", val(type), val::module_property("drag_pointer"),
                         options);
    }
    bench.call<void>("addEventListener", val("contextrestored"),
                     val::module_property("bench_restored"));
    window.call<void>("addEventListener", val("resize"), val::module_property("resized"));
    finger_query().call<void>("addEventListener", val("change"), val::module_property("resized"));
    window.call<void>("addEventListener", val("hashchange"), val::module_property("scene_changed"));
    store_.watch("store_changed");
    watch_ratio();
    // Before any control sees the key, so that an option button takes no arrow for itself.
    window.call<void>("addEventListener", val("keydown"), val::module_property("key_anywhere"),
                      true);
    Outcome begun;
    try {
        plan_ = plan;
        // A scene in the page's address: its steps, made on this viewport as a replay makes them.
        begun =
            session_.start_scene(ScreenSize::from_pixels(plan_.screen.width, plan_.screen.height),
                                 val::global("location")["hash"].as<std::string>());
    } catch (const RuntimeError& e) {
        fail(e.what());
        return;
    }
    // Shown once it is placed: the browser lays out the bar alone to say its height, and the
    // window once, for the first frame.
    show(begun);
    by_id("client").set("hidden", false);
    state_ = State::running;
    controls_->control(Window::ids::move_away).call<void>("focus");
}

NotebookSheet& Page::sheet() {
    if (!sheet_) {
        sheet_.emplace(val::global("document").call<val>("querySelector", val("main")),
                       [this](const std::string& text) { worksheet_->copy_text(text); });
        // Placed at the next layout, where it is to open.
        layout_stale_ = true;
        shown_ = {};
        // What reading the notebook says comes after what the start said (a scene not
        // understood), not in its place.
        show(session_.load_notebook(), true);
    }
    return *sheet_;
}

void Page::notebook_button(int which) {
    if (which == NotebookSheet::kClose) {
        open_notebook(false);  // the window takes its room back
        return;
    }
    if (which == NotebookSheet::kRemove) {
        const auto row = sheet().row_to_remove(session_);
        if (row &&
            val::global("window").call<bool>("confirm", val(session_.remove_question(*row)))) {
            show(session_.remove_row(*row));
        }
        return;
    }
    if (which != NotebookSheet::kClear) {
        sheet().button(which, session_);
        return;
    }
    if (session_.notebook().rows().empty() ||
        !val::global("window").call<bool>("confirm", val(session_.clear_question()))) {
        return;
    }
    show(session_.clear_rows());
}

void Page::notebook_row(std::size_t row) {
    if (state_ == State::running) sheet().choose(row);
}

void Page::plot_frame() {
    if (sheet_) sheet_->paint_plot();
}

void Page::store_changed() {
    // A sheet not made yet reads the store when it is.
    if (sheet_) show(session_.store_changed(), true);
}

std::string Page::notebook_csv() {
    sheet();
    return session_.notebook_csv();
}

void Page::scene_changed() {
    if (state_ != State::running) return;
    bench_->release();
    try {
        show(session_.open(val::global("location")["hash"].as<std::string>()));
    } catch (const RuntimeError& e) {
        fail(e.what());
    }
}

void Page::start_on(const PagePlan& plan) {
    session_.replay(ScreenSize::from_pixels(plan.screen.width, plan.screen.height));
    plan_ = plan;
    layout_stale_ = true;
    bench_->drop();
    show_bench(true);
}

// What a call of the session changed, shown: the one place an outcome reaches the page. A
// notice said `after_notice` follows the one shown, if any, rather than replacing it.
void Page::show(const Outcome& out, bool after_notice) {
    // What the bar says may follow from any change, and its size (a longer notice under it too)
    // moves the window.
    show_bar();
    if (out.withdraw) notice_->pass();
    if (out.notice) {
        if (after_notice) {
            notice_->tell_also(out.notice->text, out.notice->lasting);
        } else {
            notice_->tell(out.notice->text, out.notice->lasting);
        }
        if (lesson_->height() != shown_.bar.height) layout_stale_ = true;
    }
    if (out.bench || layout_stale_) {
        show_bench(!bench_->dragging());  // a held one is told of when let go
    }
    worksheet_->show_menu_state(session_);
    if (out.rows && sheet_) sheet_->show(session_);
}

// The lesson's bar as the session stands; a bar of another size lays the page out again.
void Page::show_bar() {
    const bool open = sheet_ && sheet_->is_open();
    if (lesson_->show(lesson_bar(session_, translated), open)) layout_stale_ = true;
}

// The window, the bar and the notebook placed as the page's layout has them for the viewport:
// the bar laid out at its width first, for its height.
void Page::lay_out() {
    layout_stale_ = false;
    const val root = val::global("document")["documentElement"];
    const int vw = root["clientWidth"].as<int>(), vh = root["clientHeight"].as<int>();
    const bool open = sheet_ && sheet_->is_open();
    const auto lay_out_bar = [&] {
        // The bar's column as much wider as its words are larger than the stylesheet's 13 px.
        const double words = lesson_->text_pixels() > 0 ? lesson_->text_pixels() / 13.0 : 1;
        lesson_->set_width(bar_width(plan_, vw, vh, open, words),
                           plan_.side == LessonSide::beside && !open, vh - 2.0 * kPageGap);
        layout_ = page_layout(model_, plan_, vw, vh, lesson_->height(), open, words);
    };
    lay_out_bar();
    // The bar's words and notices as large as the bench's in the projector's look: sized for the
    // bench as laid out, and laid out again once for their new size.
    const Rect bench = bench_canvas_box(model_[Window::ids::bench_area]);
    const int words =
        lesson_word_pixels(session_.look(), static_cast<int>(bench.height * layout_.scale));
    if (lesson_->set_text_pixels(words)) lay_out_bar();
    const CssBox& c = layout_.client;
    const auto same = [](const CssBox& a, const CssBox& b) {
        return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
    };
    if (same(c, shown_.client) && same(layout_.bar, shown_.bar) &&
        same(layout_.notebook, shown_.notebook)) {
        return;
    }
    // A page scrolled down to the notebook's foot, as it is when the notebook opens (no foot
    // shown before), stays there as the bar above it grows.
    const val window = val::global("window");
    const bool at_foot =
        open && window["scrollY"].as<double>() + vh >= shown_.notebook.bottom() - 1;
    shown_ = layout_;
    place(by_id("client"), c);
    lesson_->place(layout_.bar);
    if (sheet_) sheet_->place(layout_.notebook);
    // A notebook longer than the viewport leaves it below the foot: the page scrolls then.
    const double below = open ? layout_.notebook.bottom() - vh : 0;
    root["style"].set("overflowY", below > 0.5 ? "auto" : "");
    if (at_foot && below > 0.5) window.call<void>("scrollTo", 0, below);
}

void Page::show_bench(bool describing) {
    if (layout_stale_) lay_out();
    const double ratio = val::global("devicePixelRatio").as<double>();
    controls_->show(model_, layout_);
    bench_->show(layout_, ratio);
    if (describing) describe();
}

// The scene in words, in the live region that a screen reader announces and that describes the
// bench; only a changed text is set, so that each change is announced once.
void Page::describe() {
    std::string scene = session_.words();
    if (scene == scene_shown_) return;
    by_id("scene").set("textContent", scene);
    scene_shown_ = std::move(scene);
}

void Page::key_anywhere(const val& event) {
    if (state_ != State::running || by_id("error")["open"].isTrue()) return;
    if (worksheet_->in_menu(event["target"])) return;  // the menu's own keys
    const auto arrow = arrow_of(event);
    if (arrow && only_shift(event, true) && session_.prediction().asked()) {
        event.call<void>("preventDefault");
        const auto [across, down] = mark_nudge(*arrow);
        show(session_.nudge_mark(across, down));
        return;
    }
    for (const LessonActionRow& row : keyed_actions()) {
        if (!letter(event, row.key)) continue;
        if (event["repeat"].isTrue() && !row.repeats) break;
        event.call<void>("preventDefault");
        // Held against the screen's limit, it says why once, not at every repeat.
        if (event["repeat"].isTrue() && !session_.availability(row.action).enabled) return;
        act(row.action);
        return;
    }
    if (arrow && only_shift(event, false)) {
        // Neither the focus nor an option moves, and the page does not scroll.
        event.call<void>("preventDefault");
        deliver(arrow_click(*arrow));
    } else if (shortcut(event, 'c') || shortcut(event, 's')) {
        event.call<void>("preventDefault");  // the browser's own copy and "save page" too
        if (event["repeat"].isTrue()) return;
        if (shortcut(event, 'c')) {
            worksheet_->copy(session_);
        } else {
            worksheet_->save(session_, Worksheet::Format::png);
        }
    } else if (event["key"].as<std::string>() == "Escape") {
        if (sheet_ && sheet_->is_open()) {
            event.call<void>("preventDefault");
            open_notebook(false);
        } else {
            notice_->clear_notice();
        }
    }
}

void Page::menu_choice(int choice) {
    worksheet_->close_menu(true);
    if (state_ != State::running) return;
    switch (choice) {
        case Worksheet::kCopyChoice:
            worksheet_->copy(session_);
            break;
        case Worksheet::kPngChoice:
        case Worksheet::kSvgChoice:
            worksheet_->save(session_, choice == Worksheet::kPngChoice ? Worksheet::Format::png
                                                                       : Worksheet::Format::svg);
            break;
        case Worksheet::kLinkChoice:
            copy_link();
            break;
        default:
            if (choice >= Worksheet::kFirstLessonChoice &&
                choice < Worksheet::kFirstLessonChoice + static_cast<int>(keyed_actions().size())) {
                act(Worksheet::lesson_action(choice));
            } else if (choice == Worksheet::kLookChoice) {
                layout_stale_ = true;  // the bar's words change size with the look
                show(session_.set_look(session_.look() == BenchLook::projector
                                           ? BenchLook::window
                                           : BenchLook::projector));
            } else if (const Language* language = Worksheet::language(choice)) {
                choose_language(*language);
            }
    }
}

// The page's address with the scene after "#": a link that opens the page as it stands.
void Page::copy_link() {
    const SceneCopy copy = session_.scene_to_copy();
    if (copy.scene) {
        const std::string address = val::global("location")["href"].as<std::string>();
        worksheet_->copy_text(link_in_language(address, current_language()) + "#" + *copy.scene);
    }
    notice_->tell(copy.notice.text, copy.notice.lasting);
}

// Every word the page shows, again in the language it has changed to; the session, and with
// it the scene, the prediction and the notebook, goes on as it was.
void Page::language_shown() {
    if (state_ != State::running) return;
    controls_->relabel(model_);
    worksheet_->relabel();
    lesson_->relabel();
    // A notice said in the language left is put away, as the desktop's window made again has none.
    notice_->clear_notice();
    if (sheet_) sheet_->relabel(session_);
    by_id("ended-text")["dataset"].set("aborted", translated(kAborted));
    layout_stale_ = true;
    Outcome all;
    all.bench = all.mode = true;
    show(all);
}

void Page::act(LessonAction action) {
    if (state_ != State::running) return;
    if (action == LessonAction::open_notebook) {
        open_notebook(!sheet().is_open());
        return;
    }
    // Before a record, the kept rows are read; what reading them says stays before the record's
    // words.
    const bool first = action == LessonAction::record && !sheet_;
    if (action == LessonAction::record) sheet();
    try {
        show(session_.act(action), first);
    } catch (const RuntimeError& e) {
        fail(e.what());
    }
}

void Page::bar_button(int slot) {
    if (state_ != State::running || slot < 0 || slot >= lesson_->slots()) return;
    act(lesson_->action(slot));
}

// The notebook opened beside the bench, the window drawn smaller to leave it room; closed, the
// focus goes back to where it was when it opened.
void Page::open_notebook(bool open) {
    NotebookSheet& s = sheet();
    if (open == s.is_open()) return;
    const val document = val::global("document");
    if (open) notebook_opener_ = document["activeElement"];
    s.open(open);
    layout_stale_ = true;
    show_bar();
    show_bench(false);
    if (open) {
        s.show_newest();
        return;
    }
    val back = std::exchange(notebook_opener_, val::undefined());
    if (back.isUndefined() || back.isNull() || !back["isConnected"].as<bool>() ||
        back.strictlyEquals(document["body"])) {
        back = lesson_->button(LessonAction::open_notebook);
    }
    if (!back.isUndefined()) back.call<void>("focus");
}

std::optional<Outcome> Page::apply(Step s) {
    if (state_ != State::running) return std::nullopt;
    try {
        return session_.make(s);
    } catch (const RuntimeError& e) {
        // The model is left as the failing routine left it; nothing more reaches it.
        fail(e.what());
        return std::nullopt;
    }
}

void Page::deliver(Click c) {
    const auto out = apply(c);
    if (!out) return;
    show(*out);
    if (model_.unloaded) stop(State::ended, "");
}

void Page::long_press() {
    // A finger on the candle or the screen holds it: no menu opens under it.
    if (bench_->dragging()) {
        worksheet_->cancel_long_press();
        return;
    }
    bench_->forget_press();
    worksheet_->long_press();
}

void Page::viewport_changed() {
    if (state_ != State::running) return;
    settle_timer_.start(kSettleMilliseconds);
}

void Page::viewport_settled() {
    settle_timer_.fired();
    if (state_ != State::running) return;
    const PagePlan plan = planned();
    try {
        if (plan.screen.width == plan_.screen.width && plan.screen.height == plan_.screen.height &&
            plan.side == plan_.side && plan.compact == plan_.compact &&
            plan.target == plan_.target) {
            // The same screen, perhaps at another devicePixelRatio or with the window laid out
            // otherwise on the viewport.
            layout_stale_ = true;
            show_bench(true);
        } else {
            start_on(plan);
        }
    } catch (const RuntimeError& e) {
        fail(e.what());
    }
}

// A query that stops matching when the device pixel ratio changes; asked again at each change.
void Page::watch_ratio() {
    if (!ratio_query_.isUndefined()) {
        ratio_query_.call<void>("removeEventListener", val("change"),
                                val::module_property("ratio_changed"));
    }
    const double ratio = val::global("devicePixelRatio").as<double>();
    char query[64];
    std::snprintf(query, sizeof query, "(resolution: %gdppx)", ratio);
    ratio_query_ = val::global("window").call<val>("matchMedia", val(std::string(query)));
    ratio_query_.call<void>("addEventListener", val("change"),
                            val::module_property("ratio_changed"));
}

void Page::ratio_changed() {
    watch_ratio();
    if (state_ != State::running) return;
    show_bench(!bench_->dragging());  // a held one is told of when let go
    if (sheet_) sheet_->paint_plot_soon();
}

void Page::bench_restored() {
    if (state_ != State::running) return;
    bench_->forget_painted();
    show_bench(false);
}

std::optional<std::string> Page::snapshot() const {
    if (state_ == State::running || state_ == State::ended) return session_.json();
    return std::nullopt;
}

void Page::fail(const std::string& message) {
    if (state_ == State::failed) return;
    failure_ = message;
    stop(State::failed, message);
    by_id("error-title").set("textContent", model_.main.caption);
    by_id("error-text").set("textContent", message);
    val dialog = by_id("error");
    if (dialog["showModal"].isUndefined()) {
        dialog.call<void>("setAttribute", val("open"), val(""));
    } else {
        dialog.call<void>("showModal");
    }
}

// The window goes as the desktop's closes; the page says that the program has ended, and why
// if a run-time error ended it.
void Page::stop(State why, const std::string& error) {
    state_ = why;
    settle_timer_.stop();
    if (bench_) bench_->stop_taking();
    if (sheet_) sheet_->stop();
    if (lesson_) lesson_->stop();
    by_id("lesson").set("hidden", true);
    if (controls_) controls_->disable();
    if (worksheet_) worksheet_->stop();
    by_id("client").set("hidden", true);
    by_id("ended-text").set("textContent", translated(why == State::failed ? kFailed : kEnded));
    by_id("ended-error").set("textContent", error);
    by_id("ended-again").set("textContent", translated(kAgain));
    by_id("ended").set("hidden", false);
}

}  // namespace korru::web
