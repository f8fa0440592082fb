// SPDX-License-Identifier: MIT
// The window's items on the page, built from the window definition: panels, buttons, check
// boxes and option buttons as real HTML controls, the labels, and the bench's canvas. Every
// element carries data-item, its item's name. Positions, states and captions are read from the
// model and the page's layout; nothing here computes one of its own.
#pragma once

#include <emscripten/val.h>

#include <array>
#include <string>
#include <vector>

#include "web/layout.h"
#include "web/pixels.h"
#include "window/window.h"

namespace korru::web {

class Controls {
  public:
    // Builds the items under `client`, all but those painted on the bench. The focus goes from
    // control to control in the document's order, which is the window's focus order; what lies
    // on top is the window's stacking order. `press` is called as press(item, event) for a click
    // on an item, `key` as key(item, event) for a key pressed on one.
    Controls(const emscripten::val& client, const emscripten::val& press,
             const emscripten::val& key);

    // Puts every item but the bench where the page's layout puts it in the window's element,
    // each at its scale, and shows its state and caption.
    void show(const Window& w, const PageLayout& layout);

    // Every caption, name and description again, in the language the page has changed to.
    void relabel(const Window& w);

    // Takes every control out of use.
    void disable();

    const emscripten::val& bench() const { return box_[Window::ids::bench_area]; }
    // The element that takes the item's clicks and the focus (a check box's box, not its label).
    const emscripten::val& control(int item) const {
        return control_[static_cast<std::size_t>(item)];
    }

  private:
    void make(int id, const emscripten::val& client);
    void show_captions(const Window& w);

    // Per item: the element placed at its box, the one that takes clicks and the focus, and the
    // one that holds its caption; undefined where the item has none.
    std::vector<emscripten::val> box_, control_, caption_;
    // What each element shows now, so that an unchanged item costs nothing.
    struct Shown {
        Rect box{-1, -1, -1, -1};
        double left = -1, top = -1, scale = -1;
        int value = -1;
        std::string caption;
    };
    std::array<Shown, kItemCount> shown_{};
};

}  // namespace korru::web
