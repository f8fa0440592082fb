// SPDX-License-Identifier: MIT
// Where the page puts the window: on which screen it starts the window up, how far it scales it
// down to the viewport, and where each item stands in the window's client area. Plain C++ (no
// browser), so it is also built and tested natively.
//
// The page stands every item where the desktop puts it, with one difference a finger needs: the
// display panel's four check boxes, 16 pixels apart on the desktop, stand in rows a finger's
// target high, and the panel is as much taller.
#pragma once

#include "window/screen.h"
#include "window/window.h"

namespace korru::web {

// The least height and width of a control's target, in CSS pixels of the viewport.
inline constexpr int kTargetPixels = 24;

// The screen the window starts up on, and how it is shown.
struct PageScreen {
    int width = 0, height = 0;  // pixels of the screen: the viewport's, or larger
    double scale = 1;           // CSS pixels of the viewport to a pixel of that screen, <= 1
};

// The smallest viewport the page fits the window to, each way: a phone's.
inline constexpr int kSmallestFittedViewport = 320;

// The viewport itself where every control of the window started up on it stands inside the
// window's client area; else the smallest screen of the viewport's proportions where each does,
// to be scaled down to the viewport. A viewport smaller than kSmallestFittedViewport either way
// is kept as it is, as the desktop keeps its screen, so start-up may refuse it with its error.
PageScreen page_screen(int viewport_width, int viewport_height);

// The window's client area on the screen, in pixels: the outer window as start-up fits it,
// centred across the screen, inside the frame a face assumes.
PixelBox client_area(const Window& w, int screen_width);

// An item's box in pixels: a bench item's in the bench, a panel's control's in its panel,
// anything else's in the client area, each as the page lays it out.
PixelBox page_box(const Window& w, int id);

// The same box in the client area, whatever holds the item.
PixelBox box_in_client(const Window& w, int id);

// Whether every control (panel, button, check box, option button and the bench) stands inside
// the client area. The labels are not controls: as on the desktop, a narrow window may cut
// the end of the copyright line.
bool controls_inside(const Window& w);

}  // namespace korru::web
