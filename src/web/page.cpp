// SPDX-License-Identifier: MIT
// The page's run: start-up on the viewport, clicks, keys, the lesson's actions, replays on a new
// viewport, the end and run-time errors.
#include "web/page.h"

#include <cmath>
#include <cstdio>
#include <utility>

#include "lesson/scene_text.h"
#include "web/fonts.h"
#include "window/caption_font.h"
#include "window/scene_json.h"

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
const std::string kTurn = QT_TRANSLATE_NOOP("korru", "画面を横にすると、大きく見えます。");

// How long the viewport keeps one size before the window starts up again on it: a tablet's
// rotation or a dragged window edge sends many resize events in a row.
constexpr int kSettleMilliseconds = 150;

// Around the candle, a finger's target: this many CSS pixels of the viewport square.
constexpr double kCandleReachPixels = 44;

// A press that moves no further than this, in CSS pixels, is a tap: where a mark is put.
constexpr double kMarkSlackPixels = 10;

// Below this scale, on a viewport taller than wide, the page suggests turning the device.
constexpr double kTurnBelowScale = 0.5;

std::string css_pixels(double n) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4fpx", n);
    return text;
}

void place(const val& element, double left, double top, double width, double height) {
    val style = element["style"];
    style.set("left", css_pixels(left));
    style.set("top", css_pixels(top));
    style.set("width", css_pixels(width));
    style.set("height", css_pixels(height));
}

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

// A letter key alone (no modifier), as typed or, on a keyboard whose letters are not Latin, by
// its place.
bool letter(const val& event, char l) {
    if (!only_shift(event, false)) return false;
    const std::string key = event["key"].as<std::string>();
    if (key.size() == 1) return (key[0] | 0x20) == l;
    const val code = event["code"];
    return code.isString() && code.as<std::string>() == std::string("Key") + char(l - 0x20);
}

}  // namespace

PageScreen Page::fitted() const {
    const val root = val::global("document")["documentElement"];
    return page_screen(root["clientWidth"].as<int>(), root["clientHeight"].as<int>());
}

void Page::start() {
    val document = val::global("document");
    use_browser_language();
    by_id("ended-text")["dataset"].set("aborted", translated(kAborted));
    by_id("turn").set("textContent", translated(kTurn));
    document.set("title", model_.main.caption);
    document["documentElement"]["style"].set("font", css_font(kDefaultFontPixels));
    // The page's icon and the notebook wait until the first frame is shown: the bench comes
    // first.
    val window = val::global("window");
    window.call<void>("requestAnimationFrame", val::module_property("first_frame"));
    controls_.emplace(by_id("client"), val::module_property("press"), val::module_property("key"));
    bench_.emplace(controls_->bench());
    worksheet_.emplace(controls_->bench());
    val bench = controls_->bench();
    for (const char* type : {"pointerdown", "pointermove", "pointerup", "pointercancel",
                             "lostpointercapture", "touchstart", "touchmove"}) {
        val options = val::object();
        options.set("passive", false);  // a held candle keeps its touches from the page
        bench.call<void>("addEventListener", val(type), val::module_property("drag_pointer"),
                         options);
    }
    window.call<void>("addEventListener", val("resize"), val::module_property("resized"));
    window.call<void>("addEventListener", val("hashchange"), val::module_property("scene_changed"));
    store_.watch("store_changed");
    watch_ratio();
    record_button_ = document.call<val>("createElement", val("button"));
    record_button_.set("type", "button");
    record_button_.set("id", "record");
    record_button_.set("hidden", true);
    record_button_.set("textContent", translated(kCaptions.record));
    record_button_.call<void>("addEventListener", val("click"),
                              val::module_property("record_button"));
    by_id("client").call<void>("after", record_button_);
    // A scene in the page's address: its steps, made on this viewport as a replay makes them.
    SceneRead scene = read_scene(val::global("location")["hash"].as<std::string>());
    if (scene.fault != SceneFault::none) worksheet_->say(scene_fault_text(scene, translated));
    // Before any control sees the key, so that an option button takes no arrow for itself.
    window.call<void>("addEventListener", val("keydown"), val::module_property("key_anywhere"),
                      true);
    try {
        fit_ = fitted();
        session_.start(ScreenSize::from_pixels(fit_.width, fit_.height), std::move(scene.steps));
    } catch (const RuntimeError& e) {
        fail(e.what());
        return;
    }
    Outcome all;
    all.bench = all.mode = true;
    show(all);
    state_ = State::running;
    by_id("client").set("hidden", false);
    controls_->control(Window::ids::move_away).call<void>("focus");
}

NotebookSheet& Page::sheet() {
    if (!sheet_) {
        sheet_.emplace(val::global("document").call<val>("querySelector", val("main")),
                       [this](const std::string& text) { worksheet_->copy_text(text); });
        // What reading the notebook says comes after what the start said (a scene not
        // understood), not in its place.
        show(session_.load_notebook(), true);
    }
    return *sheet_;
}

void Page::notebook_button(int which) {
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
    grip_.release();
    try {
        show(session_.open(val::global("location")["hash"].as<std::string>()));
    } catch (const RuntimeError& e) {
        fail(e.what());
    }
}

void Page::start_on(PageScreen fit) {
    session_.replay(ScreenSize::from_pixels(fit.width, fit.height));
    fit_ = fit;
    grip_.release();
    show_bench(true);
}

// What a call of the session changed, shown: the one place an outcome reaches the page. A
// notice said `after_notice` follows the one shown, if any, rather than replacing it.
void Page::show(const Outcome& out, bool after_notice) {
    if (out.bench) show_bench(!grip_.held());  // a held candle is told of when it is let go
    if (out.mode) worksheet_->show_menu_state(session_);
    if (out.rows && sheet_) sheet_->show(session_);
    if (out.notice) {
        if (after_notice) {
            worksheet_->say_also(out.notice->text, out.notice->lasting);
        } else {
            worksheet_->say(out.notice->text, out.notice->lasting);
        }
    }
}

void Page::show_bench(bool describing) {
    // The window stands as start-up puts it on the page's screen, centred across it, and is
    // shown `scale` CSS pixels to a pixel of that screen, on whole CSS pixels.
    const double k = fit_.scale, ratio = val::global("devicePixelRatio").as<double>();
    const PixelBox client = client_area(model_, fit_.width);
    const double left = std::floor(client.left * k), top = std::floor(client.top * k);
    const std::string shown = css_pixels(left) + css_pixels(top) + css_pixels(client.width * k) +
                              css_pixels(client.height * k);
    if (shown != client_shown_) {
        place(by_id("client"), left, top, client.width * k, client.height * k);
        client_shown_ = shown;
        const bool turn = k < kTurnBelowScale && fit_.height > fit_.width;
        val hint = by_id("turn");
        hint.set("hidden", !turn);
        hint["style"].set("top", css_pixels(top + client.height * k + 12));
        // Only where the window moved: it reads the page's layout.
        place_record(left + client.width * k, top);
    }
    controls_->show(model_, k);
    place_bench({static_cast<int>(left), static_cast<int>(top), 0, 0}, ratio);
    bench_->paint(session_.bench_drawing());
    if (describing) describe();
}

// The bench's surface on whole device pixels, its backing store one to one with them, however
// far the window is scaled: it is placed from the device pixels it covers, not scaled.
void Page::place_bench(const PixelBox& client, double ratio) {
    const double k = fit_.scale;
    const PixelBox area = box_in_client(model_, Window::ids::bench_area);
    const Rect surface = bench_canvas_box(model_[Window::ids::bench_area]);
    const double x = area.left + kBenchBorderPixels, y = area.top + kBenchBorderPixels;
    const double device_left = std::floor((client.left + x * k) * ratio + 0.5);
    const double device_top = std::floor((client.top + y * k) * ratio + 0.5);
    bench_->resize(surface.width, surface.height, k * ratio);
    const double border = kBenchBorderPixels * k;
    const double width = bench_->device_width() / ratio, height = bench_->device_height() / ratio;
    const double left = device_left / ratio - client.left - border,
                 top = device_top / ratio - client.top - border;
    const std::string shown =
        css_pixels(left) + css_pixels(top) + css_pixels(width) + css_pixels(height);
    if (shown == bench_shown_) return;
    const val canvas = controls_->bench();
    place(canvas, left, top, width, height);
    canvas["style"].set("borderWidth", css_pixels(border));
    bench_shown_ = shown;
}

// The "record" button beside the window, where the viewport leaves room for it.
void Page::place_record(double client_right, double top) {
    const double room =
        val::global("document")["documentElement"]["clientWidth"].as<double>() - client_right;
    const bool shown = room >= 160;
    record_button_.set("hidden", !shown);
    record_button_["style"].set("left", css_pixels(client_right + 12));
    record_button_["style"].set("top", css_pixels(top));
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
    if (!event["repeat"].isTrue()) {
        for (const LessonKey& key : kLessonKeys) {
            if (letter(event, key.letter)) {
                event.call<void>("preventDefault");
                act(key.action);
                return;
            }
        }
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
        worksheet_->put_away();
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
                choice < Worksheet::kFirstLessonChoice + static_cast<int>(kLessonKeys.size())) {
                act(Worksheet::lesson_action(choice));
            }
    }
}

// The page's address with the scene after "#": a link that opens the page as it stands.
void Page::copy_link() {
    const SceneCopy copy = session_.scene_to_copy();
    if (copy.scene) {
        std::string address = val::global("location")["href"].as<std::string>();
        worksheet_->copy_text(address.substr(0, address.find('#')) + "#" + *copy.scene);
    }
    worksheet_->say(copy.notice.text, copy.notice.lasting);
}

void Page::act(LessonAction action) {
    if (state_ != State::running) return;
    switch (action) {
        case LessonAction::predict:
            show(session_.predict(!session_.prediction().asked()));
            break;
        case LessonAction::show_answer:
            show(session_.show_answer());
            break;
        case LessonAction::record: {
            // The kept rows are read first; what reading them says stays before the record's
            // words.
            const bool first = !sheet_;
            sheet();
            show(session_.record(), first);
            break;
        }
        case LessonAction::open_notebook:
            sheet().open(!sheet().is_open());
            break;
        default:
            show(session_.act(action));
            break;
    }
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

// Where a pointer event is on the bench, in twips: from the canvas's surface, inside its border,
// at the page's scale.
BenchPoint Page::bench_point(const val& event) const {
    const val canvas = controls_->bench();
    const val box = canvas.call<val>("getBoundingClientRect");
    const double border = kBenchBorderPixels * fit_.scale;
    const double x =
        (event["clientX"].as<double>() - box["left"].as<double>() - border) / fit_.scale;
    const double y =
        (event["clientY"].as<double>() - box["top"].as<double>() - border) / fit_.scale;
    return {static_cast<float>(x * kTwipsPerPixel), static_cast<float>(y * kTwipsPerPixel)};
}

void Page::bench_pointer(const val& event) {
    const std::string type = event["type"].as<std::string>();
    if (type == "touchstart" || type == "touchmove") {
        // The finger that holds the candle moves it, not the page.
        if (grip_.held() && event["cancelable"].isTrue()) event.call<void>("preventDefault");
        return;
    }
    const int pointer = event["pointerId"].as<int>();
    const val canvas = controls_->bench();
    std::string cursor;
    if (type == "pointerup" && pointer == mark_pointer_) {
        // A press let go where it was made, while a prediction is asked for: the mark.
        mark_pointer_ = -1;
        if (std::hypot(event["clientX"].as<double>() - mark_x_,
                       event["clientY"].as<double>() - mark_y_) <= kMarkSlackPixels &&
            state_ == State::running) {
            show(session_.put_mark(bench_point(event)));
        }
        return;
    }
    if (type == "pointercancel" && pointer == mark_pointer_) mark_pointer_ = -1;
    if (type == "pointerdown") {
        mark_pointer_ = -1;  // a press that never came up is no mark
        if (state_ != State::running || grip_.held() || event["button"].as<int>() != 0) return;
        const float reach = static_cast<float>(kCandleReachPixels / fit_.scale * kTwipsPerPixel);
        if (!grip_.press(model_, bench_point(event), reach)) {
            if (session_.prediction().asked()) {
                mark_pointer_ = pointer;
                mark_x_ = event["clientX"].as<double>();
                mark_y_ = event["clientY"].as<double>();
            }
            return;
        }
        grip_pointer_ = pointer;
        pointer_at_ = bench_point(event);
        canvas.call<void>("setPointerCapture", pointer);
        cursor = "grabbing";
    } else if (pointer != grip_pointer_ || !grip_.held()) {
        // A pointer passing over the bench: it shows where the candle can be taken.
        if (type != "pointermove" || state_ != State::running) return;
        const float reach = static_cast<float>(kCandleReachPixels / fit_.scale * kTwipsPerPixel);
        cursor = takes_candle(model_, bench_point(event), reach) ? "grab" : "";
    } else if (type == "pointermove") {
        pointer_at_ = bench_point(event);
        if (!frame_asked_) {
            frame_asked_ = true;
            val::global("window").call<void>("requestAnimationFrame",
                                             val::module_property("drag_frame"));
        }
        return;
    } else {
        // Let go: where the pointer was let go counts, unless the pointer was taken away.
        if (type == "pointerup") {
            pointer_at_ = bench_point(event);
            drag_frame();
        }
        let_go();
        cursor = "grab";
    }
    if (cursor != cursor_shown_) {
        canvas["style"].set("cursor", cursor);
        cursor_shown_ = cursor;
    }
}

// The pointer's moves since the last frame, as the arrow clicks they amount to.
void Page::drag_frame() {
    frame_asked_ = false;
    if (!grip_.held() || state_ != State::running) return;
    Outcome moved;
    const int clicks = grip_.follow(model_, pointer_at_, [this, &moved](Click c) {
        if (const auto out = apply(c)) moved |= *out;
    });
    if (clicks > 0 && state_ == State::running) show(moved);
}

void Page::let_go() {
    if (!grip_.held()) return;
    grip_.release();
    grip_pointer_ = -1;
    if (state_ == State::running) describe();
}

void Page::long_press() {
    let_go();
    mark_pointer_ = -1;
    worksheet_->long_press();
}

void Page::viewport_changed() {
    if (state_ != State::running) return;
    settle_timer_.start(kSettleMilliseconds);
}

void Page::viewport_settled() {
    settle_timer_.fired();
    if (state_ != State::running) return;
    const PageScreen fit = fitted();
    try {
        if (fit.width == fit_.width && fit.height == fit_.height && fit.scale == fit_.scale) {
            show_bench(true);  // the same screen, perhaps at another devicePixelRatio
        } else {
            start_on(fit);
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
    show_bench(!grip_.held());
    if (sheet_) sheet_->paint_plot_soon();
}

std::optional<std::string> Page::snapshot() const {
    if (state_ == State::running || state_ == State::ended) {
        return scene_json(model_, session_.screen());
    }
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
    grip_.release();
    if (sheet_) sheet_->stop();
    if (!record_button_.isUndefined()) record_button_.set("disabled", true);
    by_id("turn").set("hidden", true);
    if (controls_) controls_->disable();
    if (worksheet_) worksheet_->stop();
    by_id("client").set("hidden", true);
    by_id("ended-text").set("textContent", translated(why == State::failed ? kFailed : kEnded));
    by_id("ended-error").set("textContent", error);
    by_id("ended-again").set("textContent", translated(kAgain));
    by_id("ended").set("hidden", false);
}

}  // namespace korru::web
