// SPDX-License-Identifier: MIT
// The page's run: start-up on the viewport, clicks, keys, replays on a new viewport, the end and
// run-time errors.
#include "web/page.h"

#include <utility>

#include "bench/description.h"
#include "commands/startup.h"
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

// How long the viewport keeps one size before the window starts up again on it: a tablet's
// rotation or a dragged window edge sends many resize events in a row.
constexpr int kSettleMilliseconds = 150;

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

}  // namespace

ScreenSize Page::viewport() const {
    const val root = val::global("document")["documentElement"];
    return ScreenSize::from_pixels(root["clientWidth"].as<int>(), root["clientHeight"].as<int>());
}

void Page::start() {
    val document = val::global("document");
    use_browser_language();
    by_id("ended-text")["dataset"].set("aborted", translated(kAborted));
    document.set("title", model_.main.caption);
    document["documentElement"]["style"].set("font", css_font(kDefaultFontPixels));
    // The page's icon waits until the first frame is shown: the bench comes first.
    val window = val::global("window");
    window.call<void>(
        "requestAnimationFrame",
        window["setTimeout"].call<val>("bind", window, val::module_property("icon"), 0));
    controls_.emplace(by_id("client"), val::module_property("press"), val::module_property("key"));
    bench_.emplace(controls_->bench());
    worksheet_.emplace(controls_->bench());
    window.call<void>("addEventListener", val("resize"), val::module_property("resized"));
    // Before any control sees the key, so that an option button takes no arrow for itself.
    window.call<void>("addEventListener", val("keydown"), val::module_property("key_anywhere"),
                      true);
    try {
        start_on(viewport());
    } catch (const RuntimeError& e) {
        fail(e.what());
        return;
    }
    state_ = State::running;
    by_id("client").set("hidden", false);
    controls_->control(Window::ids::move_away).call<void>("focus");
}

void Page::start_on(ScreenSize screen) {
    Window w;
    start_up(w, screen);
    for (Click c : clicks_) click(w, c);
    model_ = std::move(w);
    screen_ = screen;
    show();
}

void Page::show() {
    // Down the viewport the window stands where start-up puts it, a little above the middle;
    // across it, in the middle, where start-up puts it only on a 4:3 screen.
    Rect outer = px_rect(model_.main);
    outer.left = (pixel_of(screen_.width) - outer.width) / 2;
    // The client area lies inside the frame the desktop assumes.
    const int side = pixel_of(kNominalFrameSide), title = pixel_of(kNominalTitleBar);
    const Rect client{outer.left + side, outer.top + title, outer.width - 2 * side,
                      outer.height - title - side};
    if (client.left != client_shown_.left || client.top != client_shown_.top ||
        client.width != client_shown_.width || client.height != client_shown_.height) {
        val style = by_id("client")["style"];
        style.set("left", std::to_string(client.left) + "px");
        style.set("top", std::to_string(client.top) + "px");
        style.set("width", std::to_string(client.width) + "px");
        style.set("height", std::to_string(client.height) + "px");
        client_shown_ = client;
    }
    controls_->show(model_);
    const Rect bench = bench_canvas_box(model_[Window::ids::bench_area]);
    bench_->resize(bench.width, bench.height, val::global("devicePixelRatio").as<double>());
    draw_bench(model_, drawing_);
    bench_->paint(drawing_);
    describe();
}

// The scene in words, in the live region that a screen reader announces and that describes the
// bench; only a changed text is set, so that each change is announced once.
void Page::describe() {
    std::string scene = describe_scene(model_, translated);
    if (scene == scene_shown_) return;
    by_id("scene").set("textContent", scene);
    scene_shown_ = std::move(scene);
}

void Page::key_anywhere(const val& event) {
    if (state_ != State::running || by_id("error")["open"].isTrue()) return;
    if (worksheet_->in_menu(event["target"])) return;  // the menu's own keys
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
    if (choice == 0) {
        worksheet_->copy(model_, drawing_);
    } else {
        worksheet_->save(model_, drawing_,
                         choice == 1 ? Worksheet::Format::png : Worksheet::Format::svg);
    }
}

void Page::deliver(Click c) {
    if (state_ != State::running) return;
    try {
        click(model_, c);
    } catch (const RuntimeError& e) {
        // The model is left as the failing routine left it; nothing more reaches it.
        fail(e.what());
        return;
    }
    clicks_.push_back(c);
    show();
    if (model_.unloaded) stop(State::ended, "");
}

void Page::viewport_changed() {
    if (state_ != State::running) return;
    settle_timer_.start(kSettleMilliseconds);
}

void Page::viewport_settled() {
    settle_timer_.fired();
    if (state_ != State::running) return;
    const ScreenSize screen = viewport();
    try {
        if (screen.width == screen_.width && screen.height == screen_.height) {
            show();  // the same screen, perhaps at another devicePixelRatio
        } else {
            start_on(screen);
        }
    } catch (const RuntimeError& e) {
        fail(e.what());
    }
}

std::optional<std::string> Page::snapshot() const {
    if (state_ == State::running || state_ == State::ended) return scene_json(model_, screen_);
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
    if (controls_) controls_->disable();
    if (worksheet_) worksheet_->stop();
    by_id("client").set("hidden", true);
    by_id("ended-text").set("textContent", translated(why == State::failed ? kFailed : kEnded));
    by_id("ended-error").set("textContent", error);
    by_id("ended-again").set("textContent", translated(kAgain));
    by_id("ended").set("hidden", false);
}

}  // namespace korru::web
