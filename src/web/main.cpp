// SPDX-License-Identifier: MIT
// The page's entry points, called by the page's script, its event listeners and its timers:
// start-up once the runtime is ready, the page's icon, a click or a key on an item, a change of
// the viewport, and window.korru.snapshot().
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <exception>

#include "web/page.h"
#include "web/pictures.h"

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

void icon(val /*time*/) {
    guarded([] { korru::web::show_page_icon(); });
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

}  // namespace

EMSCRIPTEN_BINDINGS(korru_page) {
    emscripten::function("start", &start);
    emscripten::function("press", &press);
    emscripten::function("key", &key);
    emscripten::function("icon", &icon);
    emscripten::function("resized", &resized);
    emscripten::function("settled", &settled);
    emscripten::function("snapshot", &snapshot);
}
