// SPDX-License-Identifier: MIT
// The page's screen and the page's boxes.
#include "web/layout.h"

#include <cmath>

#include "commands/startup.h"

namespace korru::web {

namespace {

PixelBox box_of(const Item& it) {
    return pixel_box(it.left, it.top, it.width, it.height);
}

// The display panel's check boxes from the top down, and where their rows begin: just below
// the panel's caption.
constexpr int kCheckRowsTop = 12;
constexpr int kCheckRows[] = {Window::ids::screen_box, Window::ids::grid_box, Window::ids::rays_box,
                              Window::ids::focal_box};
// Below the last row, room for the panel's frame.
constexpr int kCheckRowsBelow = 3;

int check_row(int id) {
    for (int row = 0; row < 4; ++row) {
        if (kCheckRows[row] == id) return row;
    }
    return -1;
}

// Screens up to this many times the viewport's width are tried: far more than any needs.
constexpr int kMaxScreenFactor = 16;

}  // namespace

PixelBox client_area(const Window& w, int screen_width) {
    PixelBox outer = box_of(w.main);
    outer.left = (screen_width - outer.width) / 2;
    const int side = pixel_of(kNominalFrameSide), title = pixel_of(kNominalTitleBar);
    return {outer.left + side, outer.top + title, outer.width - 2 * side,
            outer.height - title - side};
}

PixelBox page_box(const Window& w, int id) {
    PixelBox box = box_of(w[id]);
    if (const int row = check_row(id); row >= 0) {
        // The caption's line in the middle of its row; the row is the target.
        box.top = kCheckRowsTop + row * kTargetPixels;
        box.height = kTargetPixels;
    } else if (id == Window::ids::display_panel) {
        box.height = std::max(box.height, kCheckRowsTop + 4 * kTargetPixels + kCheckRowsBelow);
    }
    return box;
}

PixelBox box_in_client(const Window& w, int id) {
    PixelBox box = page_box(w, id);
    const std::string_view container = kItems[static_cast<std::size_t>(id)].container;
    if (container != "main") {
        const PixelBox holder = page_box(w, item_id(container));
        box.left += holder.left;
        box.top += holder.top;
    }
    return box;
}

bool controls_inside(const Window& w) {
    const PixelBox client = client_area(w, 0);
    for (int id = 0; id < static_cast<int>(kItemCount); ++id) {
        const ItemDef& def = kItems[static_cast<std::size_t>(id)];
        if (def.container == "work" || def.kind == Kind::label) continue;
        const PixelBox b = box_in_client(w, id);
        if (b.left < 0 || b.top < 0 || b.left + b.width > client.width ||
            b.top + b.height > client.height) {
            return false;
        }
    }
    return true;
}

PageScreen page_screen(int viewport_width, int viewport_height) {
    const PageScreen viewport{viewport_width, viewport_height, 1};
    if (viewport_width < kSmallestFittedViewport || viewport_height < kSmallestFittedViewport) {
        return viewport;
    }
    for (int width = viewport_width; width <= kMaxScreenFactor * viewport_width; ++width) {
        const int height = static_cast<int>(
            std::lround(static_cast<double>(width) * viewport_height / viewport_width));
        Window w;
        try {
            start_up(w, ScreenSize::from_pixels(width, height));
        } catch (const RuntimeError&) {
            continue;  // a screen start-up refuses: a larger one may do
        }
        if (controls_inside(w)) {
            return {width, height, static_cast<double>(viewport_width) / width};
        }
    }
    return viewport;
}

}  // namespace korru::web
