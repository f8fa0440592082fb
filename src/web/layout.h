// SPDX-License-Identifier: MIT
// Where the page puts the window and the lesson beside it: on which screen it starts the window
// up, where the lesson's area stands (a column beside the window, or a band below it), how far
// the window is scaled to leave room for the lesson and its notebook, and where each item stands.
// Plain C++ (no browser), so it is also built and tested natively.
//
// The page stands every item where the desktop puts it, with one difference a pointer needs: the
// display panel's four check boxes, 16 pixels apart on the desktop, stand in rows a target
// high, and the panel is as much taller. On a phone (a compact plan), and wherever the pointer
// is a finger, every control of the panels stands in a target, and the panels stand in rows
// under the bench, each at one CSS pixel to a pixel, while the bench is scaled to the room left.
#pragma once

#include <array>

#include "lesson/lesson_plan.h"
#include "window/screen.h"
#include "window/window.h"

namespace korru::web {

// The least height and width of a control's target, in CSS pixels of the viewport: a mouse's,
// and a finger's, where the page's primary pointer is one (a phone's, a tablet's).
inline constexpr int kTargetPixels = 24;
inline constexpr int kFingerPixels = 44;

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

// An item's box in pixels: a bench item's in the bench, a panel's control's in its panel,
// anything else's in the client area, each as the page lays it out. With `target` (not 0), every
// control of the panels and the end button is a target that many pixels each way at least, and
// the display panel's rows are that high; a control that would then lie over one above it stands
// below it, so that the arrows stand in rows.
PixelBox page_box(const Window& w, int id, int target = 0);

// The same box in the client area, whatever holds the item.
PixelBox box_in_client(const Window& w, int id, int target = 0);

// Whether every control (panel, button, check box, option button and the bench) stands inside
// the client area. The labels are not controls: as on the desktop, a narrow window may cut
// the end of the copyright line.
bool controls_inside(const Window& w);

// The room the page keeps between its parts and at the viewport's edges, and the lesson's
// column: as wide as the bar needs, and wider with the notebook open in it. CSS pixels.
inline constexpr int kPageGap = kLessonGap;
inline constexpr int kBarColumn = 200, kNotebookColumn = 380;
// The band below the window that the bar is planned for; it takes what its buttons need.
inline constexpr int kBarBand = 112;
// The open notebook's least height: its buttons and five rows of its table between them. On a
// phone (a viewport less than kPhoneSide either way) that leaves it less, the page scrolls down
// to it, and it takes room for its plot too, up to the viewport's height.
inline constexpr int kNotebookLeast = 420, kNotebookRoomy = 600, kPhoneSide = 500;
// The lesson's room the page plans for (lesson_plan.h): the bar's column or band.
inline constexpr LessonRoom kPageLessonRoom{kBarColumn, kBarBand};

// What the page does with a viewport: the screen the window starts up on, where the lesson's
// area stands (plan_lesson: wherever the window is the larger for it), and whether the plan is
// compact: the viewport too small for the window's controls at one CSS pixel to a pixel, or the
// pointer a finger, its panels then stand in rows of targets under the bench. It depends on the
// viewport and the pointer alone, so that the window's JSON does not change with what the lesson
// shows. Where the pointer is a `finger`, the plan is compact on any viewport, its targets a
// finger's.
struct PagePlan {
    PageScreen screen;
    LessonSide side = LessonSide::beside;
    bool compact = false;
    int target = kTargetPixels;  // compact: the least size of the panels' controls, CSS pixels
};
PagePlan page_plan(int viewport_width, int viewport_height, bool finger = false);

// A box of the viewport, or of the window's element, in CSS pixels.
using CssBox = AreaBox;

// The panels' row of the window, in its order: moving, display, step, focal length, the end.
inline constexpr std::array<int, 5> kPanelRow{Window::ids::move_panel, Window::ids::display_panel,
                                              Window::ids::step_panel, Window::ids::focal_panel,
                                              Window::ids::end_button};

// Where the page shows the window and the lesson, for the window started up on the plan's
// screen: the window's element and its scales, the panels' places in it, the bar's box and the
// notebook's (empty while it is closed).
struct PageLayout {
    CssBox client;                   // the window's element in the viewport
    double scale = 1;                // the title lines' and the bench's: CSS pixels to a pixel
    double panel_scale = 1;          // the panels'
    std::array<CssBox, 5> panels{};  // kPanelRow's boxes in the window's element (compact)
    CssBox bar, notebook;            // in the viewport
    bool compact = false;
    int target = kTargetPixels;  // compact: the panels' controls' least size, as planned
    double offset = 0;           // where the client area's left edge stands in the window's element
    double footer = 0;  // compact, if not 0: the version lines' place in it, under the panels
    // Not compact: how far the panels stand from their place on the desktop, drawn at their
    // size under a bench drawn smaller (none where the window is drawn at its size).
    double panel_shift_x = 0, panel_shift_y = 0;
};

// The width the bar is laid out at, for the browser to say how tall it then is: beside the window,
// its column widened as its words are set larger than the page's own (`words` times), up to a
// third of the viewport.
double bar_width(const PagePlan& plan, int viewport_width, int viewport_height, bool notebook,
                 double words = 1);

// The layout on a viewport, the bar `bar_height` CSS pixels tall at bar_width(). The window is
// never drawn larger than itself; it is drawn smaller where the notebook needs the room.
PageLayout page_layout(const Window& w, const PagePlan& plan, int viewport_width,
                       int viewport_height, double bar_height, bool notebook, double words = 1);

// Where an item's box stands in the window's element, in CSS pixels, and the scale it is drawn
// at: its box from page_box() that many CSS pixels to a pixel.
struct Placed {
    double left = 0, top = 0, scale = 1;
    PixelBox box;  // pixels of the screen, as page_box() gives it
};
Placed place_item(const Window& w, const PageLayout& layout, int id);

}  // namespace korru::web
