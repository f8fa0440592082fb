// SPDX-License-Identifier: MIT
// The window's controls as HTML, made from the window definition. They all stand side by side
// in the client area, each placed from its item's box (a panel's controls at the panel's corner
// plus their own place), so that the document's order can be the window's focus order, which
// runs from panel to panel and back; each panel owns its controls for a screen reader.
#include "web/controls.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "bench/svg.h"
#include "commands/commands.h"
#include "web/fonts.h"
#include "web/language.h"
#include "web/layout.h"

namespace korru::web {

using emscripten::val;

namespace {

val element(const char* tag) {
    return val::global("document").call<val>("createElement", val(tag));
}

std::string pixels(double n) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4fpx", n);
    return text;
}

bool takes_focus(const ItemDef& d) {
    return d.kind == Kind::button || d.kind == Kind::checkbox || d.kind == Kind::option ||
           d.kind == Kind::bench;
}

// The items of the client area in the document's order: the labels, the panels, then the
// controls in the window's focus order.
std::vector<int> document_order() {
    // The window's title heads the page.
    std::vector<int> order{item_id("title")};
    const auto add = [&order](auto&& wanted) {
        for (int id = 0; id < static_cast<int>(kItemCount); ++id) {
            const ItemDef& def = kItems[static_cast<std::size_t>(id)];
            if (def.container != "work" && id != order.front() && wanted(def)) order.push_back(id);
        }
    };
    add([](const ItemDef& d) { return d.kind == Kind::label; });
    add([](const ItemDef& d) { return d.kind != Kind::label && !takes_focus(d); });
    // The controls by their place in the focus order, each once (an insertion sort: a window
    // has a score of them).
    const std::size_t first = order.size();
    add([](const ItemDef& d) { return takes_focus(d); });
    for (std::size_t i = first + 1; i < order.size(); ++i) {
        for (std::size_t j = i; j > first && kItems[std::size_t(order[j - 1])].tab_index >
                                                 kItems[std::size_t(order[j])].tab_index;
             --j) {
            std::swap(order[j - 1], order[j]);
        }
    }
    return order;
}

// What lies on top: within a container the first item of the definition, a panel's controls
// over the panel, and the labels beneath everything else, as on the desktop.
int stacking(int id) {
    const ItemDef& def = kItems[static_cast<std::size_t>(id)];
    if (def.kind == Kind::label) return 1;
    const int base = def.container == "main" ? 100 : 200;
    return base + static_cast<int>(kItemCount) - id;
}

std::string element_id(int id) {
    return "item-" + std::to_string(id);
}

}  // namespace

Controls::Controls(const val& client, const val& press, const val& key)
    : box_(kItemCount, val::undefined()),
      control_(kItemCount, val::undefined()),
      caption_(kItemCount, val::undefined()) {
    for (int id : document_order()) make(id, client);
    // Each panel owns the controls it holds, wherever they stand in the document.
    for (std::size_t panel = 0; panel < kItemCount; ++panel) {
        if (kItems[panel].kind != Kind::panel) continue;
        std::string owned;
        for (std::size_t id = 0; id < kItemCount; ++id) {
            if (kItems[id].container != kItems[panel].name) continue;
            owned += (owned.empty() ? "" : " ") + element_id(static_cast<int>(id));
        }
        box_[panel].call<void>("setAttribute", val("aria-owns"), val(owned));
    }
    for (std::size_t id = 0; id < kItemCount; ++id) {
        if (!click_on(static_cast<int>(id))) continue;
        const val& c = control_[id];
        c.call<void>("addEventListener", val("click"),
                     press.call<val>("bind", val::null(), static_cast<int>(id)));
        c.call<void>("addEventListener", val("keydown"),
                     key.call<val>("bind", val::null(), static_cast<int>(id)));
    }
}

void Controls::make(int id, const val& client) {
    const auto i = static_cast<std::size_t>(id);
    const ItemDef& def = kItems[i];
    val box = val::undefined(), control = val::undefined(), caption = val::undefined();
    switch (def.kind) {
        case Kind::panel:
            box = element("fieldset");
            box.set("className", "panel");
            caption = element("legend");
            if (def.look.fore != kStandard)
                caption["style"].set("color", css_colour(def.look.fore));
            box.call<void>("appendChild", caption);
            break;
        case Kind::button:
            box = control = caption = element("button");
            box.set("type", "button");
            break;
        case Kind::checkbox:
        case Kind::option:
            // The whole row is the target: the box and its caption.
            box = element("label");
            box.set("className", "choice");
            control = element("input");
            control.set("type", def.kind == Kind::checkbox ? "checkbox" : "radio");
            caption = element("span");
            box.call<void>("appendChild", control);
            box.call<void>("appendChild", caption);
            break;
        case Kind::label:
            // The window's title heads the page for a screen reader too.
            box = caption = element(def.name == "title" ? "h1" : "div");
            box.set("className", "label");
            break;
        case Kind::bench:
            // A picture whose description is the scene in words, the live region's text.
            box = control = element("canvas");
            box.call<void>("setAttribute", val("role"), val("img"));
            box.call<void>("setAttribute", val("aria-describedby"), val("scene"));
            box.set("tabIndex", 0);
            break;
        default:
            throw std::logic_error("no element for a bench item");
    }
    val named = control.isUndefined() ? box : control;
    named.call<void>("setAttribute", val("data-item"), val(item_label(def)));
    named.set("id", element_id(id));
    box["style"].set("zIndex", stacking(id));
    // A name in words where the caption is none ("←") or there is no caption (the bench), and
    // what the caption leaves unsaid (an option's focal length or step) as its description.
    if (!def.speech.empty()) {
        named.call<void>("setAttribute", val("aria-label"), val(translated(def.speech)));
    }
    if (!def.hint.empty()) {
        val hint = element("span");
        const std::string hint_id = "hint-" + std::to_string(id);
        hint.set("id", hint_id);
        hint.set("hidden", true);
        hint.set("textContent", translated(def.hint));
        client.call<void>("appendChild", hint);
        named.call<void>("setAttribute", val("aria-describedby"), val(hint_id));
    }
    if (def.look.fore != kStandard && def.kind == Kind::label) {
        box["style"].set("color", css_colour(def.look.fore));
    }
    if (!def.look.font.face.empty()) {
        box["style"].set("font", css_font(font_pixels(def), def.look.font.bold));
    }
    client.call<void>("appendChild", box);
    box_[i] = box;
    control_[i] = control;
    caption_[i] = caption;
}

void Controls::show(const Window& w, const PageLayout& layout) {
    for (std::size_t id = 0; id < kItemCount; ++id) {
        if (box_[id].isUndefined()) continue;
        const Item& it = w.items[id];
        const Kind kind = kItems[id].kind;
        Shown& shown = shown_[id];
        const Placed at = place_item(w, layout, static_cast<int>(id));
        // A panel's controls stand in their panel's box, so a panel's box is the place's size.
        const Rect box = at.box;
        if (kind != Kind::bench &&
            (box.width != shown.box.width || box.height != shown.box.height ||
             at.left != shown.left || at.top != shown.top || at.scale != shown.scale)) {
            // Scaled, each item keeps its own size and is drawn at the scale from its corner.
            val style = box_[id]["style"];
            style.set("left", pixels(at.left));
            style.set("top", pixels(at.top));
            style.set("width", pixels(std::max(box.width, 0)));
            style.set("height", pixels(std::max(box.height, 0)));
            style.set("transform", at.scale != 1 ? "scale(" + std::to_string(at.scale) + ")" : "");
            shown.box = box;
            shown.left = at.left;
            shown.top = at.top;
            shown.scale = at.scale;
        }
        if (kind == Kind::label && it.visible == box_[id]["hidden"].as<bool>()) {
            box_[id].set("hidden", !it.visible);
        }
        if ((kind == Kind::checkbox || kind == Kind::option) && it.value != shown.value) {
            control_[id].set("checked", it.value == 1);
            shown.value = it.value;
        }
    }
    show_captions(w);
}

// The one place where the items' captions reach the page, in the reader's language.
void Controls::show_captions(const Window& w) {
    for (std::size_t id = 0; id < kItemCount; ++id) {
        if (caption_[id].isUndefined()) continue;
        const std::string& caption = w.items[id].caption;
        if (caption == shown_[id].caption) continue;
        caption_[id].set("textContent", translated(caption));
        shown_[id].caption = caption;
    }
}

void Controls::relabel(const Window& w) {
    const val document = val::global("document");
    for (std::size_t id = 0; id < kItemCount; ++id) {
        const ItemDef& def = kItems[id];
        const val named = control_[id].isUndefined() ? box_[id] : control_[id];
        if (named.isUndefined()) continue;
        if (!def.speech.empty()) {
            named.call<void>("setAttribute", val("aria-label"), val(translated(def.speech)));
        }
        if (!def.hint.empty()) {
            document.call<val>("getElementById", val("hint-" + std::to_string(id)))
                .set("textContent", translated(def.hint));
        }
        shown_[id].caption.clear();
    }
    show_captions(w);
}

void Controls::disable() {
    for (val& c : control_) {
        if (c.isUndefined()) continue;
        c.set("disabled", true);
        c.set("tabIndex", -1);
    }
}

}  // namespace korru::web
