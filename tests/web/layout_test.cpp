// SPDX-License-Identifier: MIT
// Where the page puts the window: on every viewport from a small phone to a large monitor each
// control stands inside the window, on the smallest screen that allows it, and the display
// panel's check boxes stand in rows a finger can hit.
#include "web/layout.h"

#include <gtest/gtest.h>

#include "commands/startup.h"
#include "model/support.h"

namespace korru::web {
namespace {

Window started_on(const PageScreen& s) {
    return test::started(s.width, s.height);
}

TEST(PageScreen, EveryControlFitsOnTheSmallestScreenOfTheViewportsProportions) {
    for (const auto& [w, h] : std::initializer_list<std::pair<int, int>>{{320, 320},
                                                                         {390, 844},
                                                                         {844, 390},
                                                                         {360, 740},
                                                                         {768, 1024},
                                                                         {1180, 820},
                                                                         {1024, 625},
                                                                         {1920, 937},
                                                                         {1366, 768},
                                                                         {3840, 2160},
                                                                         {2560, 1080},
                                                                         {320, 2000}}) {
        SCOPED_TRACE(testing::Message() << w << "x" << h);
        const PageScreen s = page_screen(w, h);
        EXPECT_TRUE(controls_inside(started_on(s)));
        EXPECT_DOUBLE_EQ(s.scale, static_cast<double>(w) / s.width);
        EXPECT_NEAR(static_cast<double>(s.height) / s.width, static_cast<double>(h) / w, 0.01);
        if (s.width > w) {
            // One pixel narrower would leave a control outside.
            const int narrower = s.width - 1;
            Window smaller;
            start_up(smaller, ScreenSize::from_pixels(
                                  narrower, static_cast<int>(std::lround(1.0 * narrower * h / w))));
            EXPECT_FALSE(controls_inside(smaller));
        }
    }
    // A viewport that holds the window is its own screen: a desktop's or a tablet's.
    EXPECT_EQ(page_screen(1024, 625).width, 1024);
    EXPECT_EQ(page_screen(768, 1024).scale, 1);
    // A phone held upright: the window drawn at about half its size.
    EXPECT_LT(page_screen(390, 844).scale, 0.62);
    // Below a phone's size the viewport is kept, and start-up says what it thinks of it.
    EXPECT_EQ(page_screen(300, 200).width, 300);
    EXPECT_EQ(page_screen(282, 600).scale, 1);
}

TEST(PageBoxes, CheckBoxesStandInFingerHighRowsInTheirPanelTheRestAsOnTheDesktop) {
    const Window w = test::started(1024, 625);
    const PixelBox panel = page_box(w, Window::ids::display_panel);
    int last_bottom = 0;
    for (const int id : {Window::ids::screen_box, Window::ids::grid_box, Window::ids::rays_box,
                         Window::ids::focal_box}) {
        const PixelBox row = page_box(w, id);
        EXPECT_GE(row.height, kTargetPixels);
        EXPECT_GE(row.top, last_bottom);
        EXPECT_LE(row.top + row.height, panel.height);
        last_bottom = row.top + row.height;
    }
    // Anything else where the desktop has it: a control at its panel's corner plus its place.
    const Item& panel_item = w[Window::ids::move_panel];
    const Item& arrow = w[item_id("mr")];
    const PixelBox in_client = box_in_client(w, item_id("mr"));
    EXPECT_EQ(in_client.left,
              pixel_box(panel_item.left, 0, 1, 1).left + pixel_box(arrow.left, 0, 1, 1).left);
    EXPECT_EQ(in_client.height, pixel_box(0, arrow.top, 1, arrow.height).height);
}

}  // namespace
}  // namespace korru::web
