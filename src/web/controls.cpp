// SPDX-License-Identifier: MIT
// The window's controls as HTML, made from the window definition the way the desktop makes its
// widgets: each container's items from the last in the stacking order to the first, so that the
// first lies on top, with the labels beneath everything else.
#include "web/controls.h"

#include <algorithm>
#include <stdexcept>

#include "commands/commands.h"
#include "web/colour.h"
#include "web/fonts.h"
#include "web/language.h"

namespace korru::web {

using emscripten::val;

namespace {

val element(const char* tag) {
    return val::global("document").call<val>("createElement", val(tag));
}

std::string pixels(int n) {
    return std::to_string(n) + "px";
}

// The focus moves among the controls in the order of their tab indices; a control's place in
// that order is its tabindex, counted from 1.
int focus_rank(int id) {
    const auto takes_focus = [](const ItemDef& d) {
        return d.kind == Kind::button || d.kind == Kind::checkbox || d.kind == Kind::option ||
               d.kind == Kind::bench;
    };
    const ItemDef& def = kItems[static_cast<std::size_t>(id)];
    if (!takes_focus(def)) return 0;
    return 1 + static_cast<int>(std::count_if(kItems.begin(), kItems.end(), [&](const ItemDef& d) {
               return takes_focus(d) && d.tab_index < def.tab_index;
           }));
}

}  // namespace

Controls::Controls(const val& client, const val& press, const val& key)
    : box_(kItemCount, val::undefined()),
      control_(kItemCount, val::undefined()),
      caption_(kItemCount, val::undefined()) {
    // The window's own items first, so the panels exist before what they hold; labels before
    // the rest of their container, so they lie beneath it.
    for (const bool in_main : {true, false}) {
        for (const bool labels : {true, false}) {
            for (int id = static_cast<int>(kItemCount) - 1; id >= 0; --id) {
                const ItemDef& def = kItems[static_cast<std::size_t>(id)];
                if (def.container == "work" || (def.container == "main") != in_main ||
                    (def.kind == Kind::label) != labels) {
                    continue;
                }
                make(id, in_main ? client : box_[static_cast<std::size_t>(item_id(def.container))]);
            }
        }
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

void Controls::make(int id, const val& parent) {
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
            break;
        default:
            throw std::logic_error("no element for a bench item");
    }
    val named = control.isUndefined() ? box : control;
    named.call<void>("setAttribute", val("data-item"), val(item_label(def)));
    if (const int rank = focus_rank(id); rank > 0) named.set("tabIndex", rank);
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
        parent.call<void>("appendChild", hint);
        named.call<void>("setAttribute", val("aria-describedby"), val(hint_id));
    }
    if (def.look.fore != kStandard && def.kind == Kind::label) {
        box["style"].set("color", css_colour(def.look.fore));
    }
    if (!def.look.font.face.empty()) {
        box["style"].set("font", css_font(font_pixels(def), def.look.font.bold));
    }
    parent.call<void>("appendChild", box);
    box_[i] = box;
    control_[i] = control;
    caption_[i] = caption;
}

void Controls::show(const Window& w) {
    for (std::size_t id = 0; id < kItemCount; ++id) {
        if (box_[id].isUndefined()) continue;
        const Item& it = w.items[id];
        Shown& shown = shown_[id];
        // The canvas's sunken border lies inside the bench area, as the desktop's frame does.
        const Rect box = kItems[id].kind == Kind::bench ? bench_canvas_box(it) : px_rect(it);
        if (box.left != shown.box.left || box.top != shown.box.top ||
            box.width != shown.box.width || box.height != shown.box.height) {
            val style = box_[id]["style"];
            style.set("left", pixels(box.left));
            style.set("top", pixels(box.top));
            style.set("width", pixels(std::max(box.width, 0)));
            style.set("height", pixels(std::max(box.height, 0)));
            shown.box = box;
        }
        const Kind kind = kItems[id].kind;
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

void Controls::disable() {
    for (val& c : control_) {
        if (c.isUndefined()) continue;
        c.set("disabled", true);
        c.set("tabIndex", -1);
    }
}

}  // namespace korru::web
