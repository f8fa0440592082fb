// SPDX-License-Identifier: MIT
// The page's entry points, called by the page's script, its event listeners and its timers:
// start-up once the runtime is ready and what waits for its first frame, a click or a key on an
// item, a key anywhere, the candle or the pupil's screen dragged, the lesson's bar, the bench's
// menu and pictures, the notebook's sheet and its storage, a change of the viewport or of its pixel
// ratio, and window.korru's snapshot() and notebook().
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <exception>
#include <string>
#include <string_view>

#include "web/page.h"

namespace {

using emscripten::val;
using korru::web::Page;

Page& page() {
    static Page p;
    return p;
}

// Runs one entry point. A run-time error is the model's and is shown as the desktop shows it;
// anything else escaping is a fault of the page, shown the same way rather than left behind a
// page that looks alive.
template <typename F>
void guarded(F&& f) {
    try {
        f();
    } catch (const std::exception& e) {
        page().fail(e.what());
    }
}

void start() {
    guarded([] {
        page().start();
        val korru = val::object();
        korru.set("snapshot", val::module_property("snapshot"));
        korru.set("notebook", val::module_property("notebook"));
        val::global("window").set("korru", korru);
    });
}

void press(int item, val /*event*/) {
    guarded([item] {
        if (const auto c = korru::click_on(item)) page().deliver(*c);
    });
}

// Enter presses a check box or an option button as Space does; a button takes Enter itself.
void key(int item, val event) {
    if (event["key"].as<std::string>() != "Enter") return;
    const korru::Kind kind = korru::kItems[static_cast<std::size_t>(item)].kind;
    if (kind != korru::Kind::checkbox && kind != korru::Kind::option) return;
    event.call<void>("preventDefault");
    event["target"].call<void>("click");
}

void key_anywhere(val event) {
    guarded([&event] { page().key_anywhere(event); });
}

void bench_menu(val event) {
    guarded([&event] {
        event.call<void>("preventDefault");  // the browser's own menu would offer the canvas
        if (!page().running()) return;
        page().worksheet().open_menu(event["clientX"].as<double>(), event["clientY"].as<double>());
    });
}

void bench_pointer(val event) {
    guarded([&event] { page().worksheet().bench_pointer(event); });
}

void long_press() {
    guarded([] { page().long_press(); });
}

void drag_pointer(val event) {
    guarded([&event] { page().bench().pointer(event); });
}

void drag_frame(val /*time*/) {
    guarded([] { page().bench().frame(); });
}

void ratio_changed(val /*event*/) {
    guarded([] { page().ratio_changed(); });
}

void bench_restored(val /*event*/) {
    guarded([] { page().bench_restored(); });
}

void scene_changed(val /*event*/) {
    guarded([] { page().scene_changed(); });
}

// A click in the lesson's bar: the button's, by its place.
void bar_click(val event) {
    guarded([&event] {
        const val button = event["target"].call<val>("closest", val("button[data-slot]"));
        if (button.isNull()) return;
        page().bar_button(val::global("Number")(button["dataset"]["slot"]).as<int>());
    });
}

// A click in the notebook's sheet: its button's, by the number the sheet gave it.
void notebook_click(val event) {
    guarded([&event] {
        const val button = event["target"].call<val>("closest", val("button[data-which]"));
        if (button.isNull()) {
            // A row of the table chosen: its number stands in its first cell.
            const val row = event["target"].call<val>("closest", val(".body [role=row]"));
            if (!row.isNull()) {
                const int number =
                    val::global("Number")(row["firstChild"]["textContent"]).as<int>();
                if (number > 0) page().notebook_row(static_cast<std::size_t>(number - 1));
            }
            return;
        }
        if (button["disabled"].isTrue()) return;
        page().notebook_button(val::global("Number")(button["dataset"]["which"]).as<int>());
    });
}

void plot_frame(val /*time*/) {
    guarded([] { page().plot_frame(); });
}

void store_changed() {
    guarded([] { page().store_changed(); });
}

void text_copy_refused(val error) {
    guarded([&error] {
        val::global("console").call<void>("warn", val("korru: the clipboard refused the text:"),
                                          error);
        page().worksheet().text_refused();
    });
}

void menu_key(val event) {
    guarded([&event] { page().worksheet().menu_key(event); });
}

void menu_focusout(val event) {
    guarded([&event] { page().worksheet().menu_focusout(event); });
}

void menu_choice(int choice, val /*event*/) {
    guarded([choice] { page().menu_choice(choice); });
}

// The executor of the promise of the copied PNG.
void png_blob(val resolve, val /*reject*/) {
    guarded([&resolve] { page().worksheet().png_blob(resolve); });
}

// The browser would not take the pictures: said briefly rather than left unnoticed.
void copy_refused(val error) {
    guarded([&error] {
        val::global("console").call<void>("warn", val("korru: the clipboard refused the picture:"),
                                          error);
        page().worksheet().refused();
    });
}

void notice_done() {
    guarded([] { page().notice().done(); });
}

// The first frame is on its way to the screen: what waits for it is done when the browser is
// next idle, so that it does not hold up the frame on a machine with few cores (a browser
// without idle callbacks, as Safari: a little later, given an argument as an idle callback is,
// which the binding asks for).
void first_frame(val /*time*/) {
    val window = val::global("window");
    const val later = val::module_property("after_first_frame");
    if (window["requestIdleCallback"].isUndefined()) {
        window.call<void>("setTimeout", later, 100, val::null());
    } else {
        val options = val::object();
        options.set("timeout", 1000);
        window.call<void>("requestIdleCallback", later, options);
    }
}

// What waits until the first frame has been shown.
void after_first_frame(val /*deadline*/) {
    guarded([] {
        if (!page().running()) return;
        page().worksheet().build_menu();
        page().sheet();
    });
}

void resized(val /*event*/) {
    guarded([] { page().viewport_changed(); });
}

void settled() {
    guarded([] { page().viewport_settled(); });
}

// The JSON of korru-snapshot --json for the page's state; an Error once the page has stopped on
// a run-time error, since there is then no state to trust.
val snapshot() {
    if (const auto json = page().snapshot()) return val(*json);
    const std::string why =
        page().failure().empty() ? "the window has not started" : page().failure();
    val error = val::global("Error").new_(val("no snapshot: " + why));
    error.throw_();
}

// The notebook as the CSV the sheet saves, read from the browser's storage if it was not yet.
// Its byte-order mark is put back in front: the bindings' decoding of UTF-8 takes it away.
val notebook() {
    std::string csv;
    guarded([&csv] { csv = page().notebook_csv(); });
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    if (csv.rfind(kMark, 0) != 0) return val(csv);
    return val::global("String")
        .call<val>("fromCharCode", 0xFEFF)
        .call<val>("concat", val(csv.substr(kMark.size())));
}

}  // namespace

EMSCRIPTEN_BINDINGS(korru_page) {
    emscripten::function("start", &start);
    emscripten::function("press", &press);
    emscripten::function("key", &key);
    emscripten::function("key_anywhere", &key_anywhere);
    emscripten::function("bench_menu", &bench_menu);
    emscripten::function("bench_pointer", &bench_pointer);
    emscripten::function("long_press", &long_press);
    emscripten::function("drag_pointer", &drag_pointer);
    emscripten::function("drag_frame", &drag_frame);
    emscripten::function("ratio_changed", &ratio_changed);
    emscripten::function("bench_restored", &bench_restored);
    emscripten::function("scene_changed", &scene_changed);
    emscripten::function("bar_click", &bar_click);
    emscripten::function("notebook_click", &notebook_click);
    emscripten::function("plot_frame", &plot_frame);
    emscripten::function("store_changed", &store_changed);
    emscripten::function("text_copy_refused", &text_copy_refused);
    emscripten::function("menu_key", &menu_key);
    emscripten::function("menu_focusout", &menu_focusout);
    emscripten::function("menu_choice", &menu_choice);
    emscripten::function("png_blob", &png_blob);
    emscripten::function("copy_refused", &copy_refused);
    emscripten::function("notice_done", &notice_done);
    emscripten::function("first_frame", &first_frame);
    emscripten::function("after_first_frame", &after_first_frame);
    emscripten::function("resized", &resized);
    emscripten::function("settled", &settled);
    emscripten::function("snapshot", &snapshot);
    emscripten::function("notebook", &notebook);
}
