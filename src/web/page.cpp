// SPDX-License-Identifier: MIT
// The page's run: start-up on the viewport, clicks, keys, replays on a new viewport, the end and
// run-time errors.
#include "web/page.h"

#include <cmath>
#include <cstdio>
#include <utility>

#include "bench/description.h"
#include "commands/startup.h"
#include "lesson/scene_text.h"
#include "web/fonts.h"
#include "web/language.h"
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
const std::string kRecordButton = QT_TRANSLATE_NOOP("korru", "測定ノートに記録");
const std::string kRecordFirstAnswer =
    QT_TRANSLATE_NOOP("korru", "記録するのは、答えを見てからにしてください。");
const std::string kRecorded = QT_TRANSLATE_NOOP("korru", "記録しました: %1");
const std::string kTooManyToCopy =
    QT_TRANSLATE_NOOP("korru", "クリックが多すぎるため、場面をコピーできません。");

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

// The click of an arrow key without a modifier: Alt+← and the like stay the browser's.
std::optional<Click> arrow_click(const val& event) {
    for (const char* modifier : {"altKey", "ctrlKey", "metaKey", "shiftKey", "isComposing"}) {
        if (event[modifier].isTrue()) return std::nullopt;
    }
    const std::string key = event["key"].as<std::string>();
    if (key == "ArrowLeft") return Click::ml;
    if (key == "ArrowRight") return Click::mr;
    if (key == "ArrowUp") return Click::mu;
    if (key == "ArrowDown") return Click::md;
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
    for (const char* modifier : {"altKey", "ctrlKey", "metaKey", "shiftKey", "isComposing"}) {
        if (event[modifier].isTrue()) return false;
    }
    const std::string key = event["key"].as<std::string>();
    if (key.size() == 1) return (key[0] | 0x20) == l;
    const val code = event["code"];
    return code.isString() && code.as<std::string>() == std::string("Key") + char(l - 0x20);
}

// Shift with an arrow: the prediction's mark a quarter square that way.
std::optional<std::pair<int, int>> shifted_arrow(const val& event) {
    if (!event["shiftKey"].isTrue() || event["altKey"].isTrue() || event["ctrlKey"].isTrue() ||
        event["metaKey"].isTrue()) {
        return std::nullopt;
    }
    const std::string key = event["key"].as<std::string>();
    if (key == "ArrowLeft") return std::pair{-1, 0};
    if (key == "ArrowRight") return std::pair{1, 0};
    if (key == "ArrowUp") return std::pair{0, -1};
    if (key == "ArrowDown") return std::pair{0, 1};
    return std::nullopt;
}

}  // namespace

PageScreen Page::fitted() const {
    const val root = val::global("document")["documentElement"];
    return page_screen(root["clientWidth"].as<int>(), root["clientHeight"].as<int>());
}

ScreenSize Page::screen() const {
    return ScreenSize::from_pixels(fit_.width, fit_.height);
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
    watch_ratio();
    record_button_ = document.call<val>("createElement", val("button"));
    record_button_.set("type", "button");
    record_button_.set("id", "record");
    record_button_.set("hidden", true);
    record_button_.set("textContent", translated(kRecordButton));
    record_button_.call<void>("addEventListener", val("click"),
                              val::module_property("record_button"));
    by_id("client").call<void>("after", record_button_);
    // A scene in the page's address: its clicks, made on this viewport as a replay makes them.
    if (const auto scene = scene_of_address()) clicks_ = *scene;
    lesson_changed();
    // Before any control sees the key, so that an option button takes no arrow for itself.
    window.call<void>("addEventListener", val("keydown"), val::module_property("key_anywhere"),
                      true);
    try {
        start_on(fitted());
    } catch (const RuntimeError& e) {
        fail(e.what());
        return;
    }
    state_ = State::running;
    by_id("client").set("hidden", false);
    controls_->control(Window::ids::move_away).call<void>("focus");
}

// The notebook sheet, made and filled from the browser's storage when first wanted: after the
// first frame, or sooner by a record or the menu.
NotebookSheet& Page::notebook() {
    if (!notebook_) {
        // What the notebook says on being filled comes after what the start said (a scene not
        // understood), not in its place.
        const bool also = std::exchange(notebook_says_also_, true);
        notebook_.emplace(
            val::global("document").call<val>("querySelector", val("main")),
            [this](const std::string& text) {
                notebook_says_also_ ? worksheet_->say_also(text) : worksheet_->say(text);
            },
            [this](const std::string& text) { worksheet_->copy_text(text); });
        notebook_->load();
        notebook_says_also_ = also;
    }
    return *notebook_;
}

// The scene after "#" in the page's address, or nothing (and the reason said) where a part of
// it is not understood.
std::optional<std::vector<Click>> Page::scene_of_address() {
    std::string hash = val::global("location")["hash"].as<std::string>();
    if (!hash.empty() && hash[0] == '#') hash.erase(0, 1);
    SceneRead read = read_scene(hash);
    if (read.fault != SceneFault::none) {
        worksheet_->say(scene_fault_text(read, translated));
        return std::nullopt;
    }
    std::vector<Click> clicks;
    for (const Step& s : read.steps) {
        if (const Click* c = std::get_if<Click>(&s)) clicks.push_back(*c);
    }
    return clicks;
}

void Page::scene_changed() {
    if (state_ != State::running) return;
    if (const auto scene = scene_of_address()) {
        clicks_ = *scene;
        prediction_.ask(false);
        lesson_changed();
        try {
            start_on(fit_);
        } catch (const RuntimeError& e) {
            fail(e.what());
        }
    }
}

void Page::start_on(PageScreen fit) {
    Window w;
    start_up(w, ScreenSize::from_pixels(fit.width, fit.height));
    for (Click c : clicks_) click(w, c);
    model_ = std::move(w);
    fit_ = fit;
    grip_.release();
    show();
}

void Page::show(bool describing) {
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
    draw_lesson(model_, prediction_, translated, drawing_, lesson_words_);
    bench_->paint(drawing_);
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
    std::string scene = describe_lesson(model_, prediction_, translated);
    if (scene == scene_shown_) return;
    by_id("scene").set("textContent", scene);
    scene_shown_ = std::move(scene);
}

void Page::key_anywhere(const val& event) {
    if (state_ != State::running || by_id("error")["open"].isTrue()) return;
    if (worksheet_->in_menu(event["target"])) return;  // the menu's own keys
    if (const auto way = shifted_arrow(event); way && prediction_.asked()) {
        event.call<void>("preventDefault");
        prediction_.nudge_mark(model_, way->first, way->second);
        show();
        return;
    }
    if (!event["repeat"].isTrue()) {
        for (const auto& [l, choice] :
             {std::pair{'p', Worksheet::kPredictChoice}, std::pair{'a', Worksheet::kAnswerChoice},
              std::pair{'r', Worksheet::kRecordChoice},
              std::pair{'n', Worksheet::kNotebookChoice}}) {
            if (letter(event, l)) {
                event.call<void>("preventDefault");
                menu_choice(choice);
                return;
            }
        }
    }
    if (const auto c = arrow_click(event)) {
        // Neither the focus nor an option moves, and the page does not scroll.
        event.call<void>("preventDefault");
        deliver(*c);
    } else if (shortcut(event, 'c') || shortcut(event, 's')) {
        event.call<void>("preventDefault");  // the browser's own copy and "save page" too
        if (event["repeat"].isTrue()) return;
        if (shortcut(event, 'c')) {
            worksheet_->copy(model_, drawing_);
        } else {
            worksheet_->save(model_, drawing_, Worksheet::Format::png);
        }
    }
}

void Page::menu_choice(int choice) {
    worksheet_->close_menu(true);
    if (state_ != State::running) return;
    switch (choice) {
        case Worksheet::kCopyChoice:
            worksheet_->copy(model_, drawing_);
            break;
        case Worksheet::kPngChoice:
        case Worksheet::kSvgChoice:
            worksheet_->save(
                model_, drawing_,
                choice == Worksheet::kPngChoice ? Worksheet::Format::png : Worksheet::Format::svg);
            break;
        case Worksheet::kLinkChoice: {
            if (clicks_.size() > kMostSceneClicks) {
                worksheet_->say(translated(kTooManyToCopy));
                break;
            }
            const val location = val::global("location");
            std::string address = location["href"].as<std::string>();
            address = address.substr(0, address.find('#'));
            worksheet_->copy_text(address + "#" +
                                  scene_text(std::vector<Step>(clicks_.begin(), clicks_.end())));
            break;
        }
        case Worksheet::kPredictChoice:
            predict(!prediction_.asked());
            break;
        case Worksheet::kAnswerChoice:
            show_answer();
            break;
        case Worksheet::kRecordChoice:
            record();
            break;
        case Worksheet::kNotebookChoice:
            notebook().open(!notebook().is_open());
            break;
        default:
            break;
    }
}

void Page::predict(bool on) {
    prediction_.ask(on);
    lesson_changed();
    show();
}

void Page::show_answer() {
    if (!prediction_.asked()) return;
    prediction_.show_answer();
    lesson_changed();
    show();
}

// A row of the notebook; not while the answer is hidden, which the row would give away.
void Page::record() {
    if (state_ != State::running) return;
    if (prediction_.asked() && !prediction_.answer_shown()) {
        worksheet_->say(translated(kRecordFirstAnswer));
        return;
    }
    worksheet_->say(with_numbers(translated(kRecorded), {row_words(measure(model_), translated)}));
    // Its own notice (a browser that will not keep it) after those words, not in their place.
    notebook_says_also_ = true;
    notebook().record(model_);
    notebook_says_also_ = false;
}

void Page::lesson_changed() {
    worksheet_->show_menu_state(prediction_.asked(),
                                prediction_.asked() && !prediction_.answer_shown());
}

bool Page::apply(Click c) {
    if (state_ != State::running) return false;
    const BenchState before = model_.bench;
    try {
        click(model_, c);
    } catch (const RuntimeError& e) {
        // The model is left as the failing routine left it; nothing more reaches it.
        fail(e.what());
        return false;
    }
    clicks_.push_back(c);
    if (prediction_.clicked(before, model_.bench)) lesson_changed();
    return true;
}

void Page::deliver(Click c) {
    if (!apply(c)) return;
    show(!grip_.held());  // a held candle is told of when it is let go
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
            prediction_.put_mark(bench_point(event));
            lesson_changed();
            show();
        }
        return;
    }
    if (type == "pointercancel" && pointer == mark_pointer_) mark_pointer_ = -1;
    if (type == "pointerdown") {
        mark_pointer_ = -1;  // a press that never came up is no mark
        if (state_ != State::running || grip_.held() || event["button"].as<int>() != 0) return;
        const float reach = static_cast<float>(kCandleReachPixels / fit_.scale * kTwipsPerPixel);
        if (!grip_.press(model_, bench_point(event), reach)) {
            if (prediction_.asked()) {
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
    const int moved = grip_.follow(model_, pointer_at_, [this](Click c) { apply(c); });
    if (moved > 0 && state_ == State::running) show(false);
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
            show();  // the same screen, perhaps at another devicePixelRatio
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
    show(!grip_.held());
    if (notebook_ && notebook_->is_open()) notebook_->paint_plot();
}

std::optional<std::string> Page::snapshot() const {
    if (state_ == State::running || state_ == State::ended) return scene_json(model_, screen());
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
    if (notebook_) notebook_->stop();
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
