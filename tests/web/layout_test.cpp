// SPDX-License-Identifier: MIT
// Where the page puts the window: on every viewport from a small phone to a large monitor each
// control stands inside the window, on the smallest screen that allows it, and the display
// panel's check boxes stand in rows a finger can hit.
#include "web/layout.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

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

// The page's plan and layout on the viewports a class meets: laptops and projectors, tablets
// either way up, phones either way up, with a mouse or a finger; the notebook closed and open.
// The bar is laid out at the height the browser gives it there (a column, or a band of one or
// two rows of buttons).
struct Viewport {
    int width, height;
    bool phone;
    bool finger = false;
};

std::string name_of(const Viewport& v) {
    return std::to_string(v.width) + "x" + std::to_string(v.height) + (v.finger ? "_finger" : "");
}

void PrintTo(const Viewport& v, std::ostream* os) {
    *os << name_of(v);
}

class PageLayoutOn : public testing::TestWithParam<Viewport> {
  protected:
    PageLayout laid_out(bool notebook, Window& w, PagePlan& plan) const {
        const Viewport v = GetParam();
        plan = page_plan(v.width, v.height, v.finger);
        w = test::started(plan.screen.width, plan.screen.height);
        const double bar =
            plan.side == LessonSide::beside ? (notebook ? 160 : 330) : (v.width < 500 ? 150 : 90);
        return page_layout(w, plan, v.width, v.height, bar, notebook);
    }
};

bool overlap(const CssBox& a, const CssBox& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

bool inside(const CssBox& box, const Viewport& v) {
    return box.left >= 0 && box.top >= 0 && box.right() <= v.width + 1e-9 &&
           box.bottom() <= v.height + 1e-9;
}

// An item's box in the viewport, as the page draws it.
CssBox drawn(const Window& w, const PageLayout& l, int id) {
    const Placed p = place_item(w, l, id);
    return {l.client.left + p.left, l.client.top + p.top, p.box.width * p.scale,
            p.box.height * p.scale};
}

TEST_P(PageLayoutOn, TheWindowTheBarAndTheNotebookStandApartInsideTheViewport) {
    const Viewport v = GetParam();
    for (bool notebook : {false, true}) {
        SCOPED_TRACE(notebook ? "the notebook open" : "the notebook closed");
        Window w;
        PagePlan plan;
        const PageLayout l = laid_out(notebook, w, plan);
        EXPECT_TRUE(inside(l.client, v));
        EXPECT_TRUE(inside(l.bar, v));
        EXPECT_FALSE(overlap(l.client, l.bar));
        EXPECT_GE(l.bar.width, 180);  // room for a button's words
        if (notebook) {
            // A phone's page scrolls down to a notebook below its foot: the notebook whole in
            // the viewport then, and as tall as its buttons and five rows need.
            const bool phone = std::min(v.width, v.height) < kPhoneSide;
            const double scrolled = phone ? std::max(0.0, l.notebook.bottom() - v.height) : 0;
            EXPECT_TRUE(inside(
                {l.notebook.left, l.notebook.top - scrolled, l.notebook.width, l.notebook.height},
                v));
            EXPECT_FALSE(overlap(l.notebook, l.client));
            EXPECT_FALSE(overlap(l.notebook, l.bar));
            EXPECT_GE(l.notebook.width, 300);
            EXPECT_GE(l.notebook.height, std::min(kNotebookLeast, v.height - 2 * kPageGap));
        } else {
            EXPECT_EQ(l.notebook.width * l.notebook.height, 0);
        }
        // Every item of the window inside its element: no control lies under the bar or the
        // notebook, nor off the viewport.
        for (int id = 0; id < static_cast<int>(kItemCount); ++id) {
            const ItemDef& def = kItems[static_cast<std::size_t>(id)];
            if (def.container == "work" || def.kind == Kind::label) continue;
            SCOPED_TRACE(def.name);
            const CssBox box = drawn(w, l, id);
            EXPECT_GE(box.left, l.client.left - 1e-6);
            EXPECT_GE(box.top, l.client.top - 1e-6);
            EXPECT_LE(box.right(), l.client.right() + 1e-6);
            EXPECT_LE(box.bottom(), l.client.bottom() + 1e-6);
        }
        // No two of the panels' controls over one another (the desktop's two step options share
        // a pixel's edge, so a pixel of it is allowed).
        const auto inset = [](CssBox b) {
            return CssBox{b.left + 0.75, b.top + 0.75, b.width - 1.5, b.height - 1.5};
        };
        for (int a = 0; a < static_cast<int>(kItemCount); ++a) {
            for (int b = a + 1; b < static_cast<int>(kItemCount); ++b) {
                const auto kind = [](int id) { return kItems[static_cast<std::size_t>(id)].kind; };
                const auto control = [&](int id) {
                    return kind(id) == Kind::button || kind(id) == Kind::checkbox ||
                           kind(id) == Kind::option;
                };
                if (!control(a) || !control(b)) continue;
                EXPECT_FALSE(overlap(inset(drawn(w, l, a)), inset(drawn(w, l, b))))
                    << kItems[std::size_t(a)].name << " " << kItems[std::size_t(b)].name;
            }
        }
    }
}

TEST_P(PageLayoutOn, APhonesControlsAreAFingersTargetAndItsWordsReadable) {
    const Viewport v = GetParam();
    Window w;
    PagePlan plan;
    const PageLayout l = laid_out(false, w, plan);
    EXPECT_EQ(plan.compact, v.phone || v.finger);
    // A finger's targets wherever the pointer is one, a mouse's on a phone-sized window.
    const int target = v.finger ? kFingerPixels : kTargetPixels;
    if (!plan.compact) {
        // A laptop's, a projector's or a tablet's window at its own size, as on the desktop.
        EXPECT_EQ(l.scale, 1);
        EXPECT_EQ(l.panel_scale, 1);
        return;
    }
    for (int id = 0; id < static_cast<int>(kItemCount); ++id) {
        const ItemDef& def = kItems[static_cast<std::size_t>(id)];
        if (def.container == "work") continue;
        SCOPED_TRACE(def.name);
        const CssBox box = drawn(w, l, id);
        if (def.kind == Kind::button || def.kind == Kind::checkbox || def.kind == Kind::option) {
            EXPECT_GE(box.width, target - 1e-9);
            EXPECT_GE(box.height, target - 1e-9);
        }
        // The text of a panel, a control or a label at 9 CSS pixels at least: 12 pixels drawn
        // at three quarters of a pixel.
        if (def.kind != Kind::bench) {
            EXPECT_GE(place_item(w, l, id).scale, 0.75);
        }
        EXPECT_LE(box.right(), v.width + 1e-6);
    }
}

TEST_P(PageLayoutOn, TheBenchIsAsLargeAsTheViewportAllows) {
    const Viewport v = GetParam();
    Window w;
    PagePlan plan;
    const PageLayout l = laid_out(false, w, plan);
    const CssBox bench = drawn(w, l, Window::ids::bench_area);
    if (v.height > v.width) {
        // Held upright, the bench spans the viewport's width but for the window's margins.
        EXPECT_GE(bench.width, 0.9 * v.width);
    } else {
        // On its side, it and the bar beside or below it fill the viewport's width or height.
        EXPECT_GE(std::max(bench.width / v.width, l.client.height / v.height), 0.75);
    }
    // With the notebook open the whole bench stays in view, drawn at more than half its size.
    const PageLayout open = laid_out(true, w, plan);
    const CssBox shown = drawn(w, open, Window::ids::bench_area);
    EXPECT_TRUE(inside(shown, v));
    EXPECT_FALSE(overlap(shown, open.notebook));
    EXPECT_GE(shown.width, 0.55 * bench.width);
}

INSTANTIATE_TEST_SUITE_P(
    Viewports, PageLayoutOn,
    testing::Values(Viewport{1366, 768, false}, Viewport{1024, 768, false},
                    Viewport{1920, 1080, false}, Viewport{1280, 720, false},
                    Viewport{1180, 820, false}, Viewport{820, 1180, false},
                    Viewport{768, 1024, false}, Viewport{844, 390, true}, Viewport{390, 844, true},
                    Viewport{915, 412, true}, Viewport{360, 740, true},
                    // Tablets, phones and a touch screen, with a finger.
                    Viewport{1024, 768, false, true}, Viewport{768, 1024, false, true},
                    Viewport{1366, 768, false, true}, Viewport{1920, 1080, false, true},
                    Viewport{844, 390, true, true}, Viewport{390, 844, true, true},
                    Viewport{360, 740, true, true}),
    [](const testing::TestParamInfo<Viewport>& i) { return name_of(i.param); });

TEST(PagePlan, TheBarStandsWhereTheWindowIsTheLarger) {
    // A wide laptop: a column beside the window leaves it taller than a band below would.
    EXPECT_EQ(page_plan(1366, 768).side, LessonSide::beside);
    EXPECT_EQ(page_plan(1920, 1080).side, LessonSide::beside);
    // A tablet held upright, and a 4:3 screen: the band below costs the window less.
    EXPECT_EQ(page_plan(820, 1180).side, LessonSide::below);
    EXPECT_EQ(page_plan(1024, 768).side, LessonSide::below);
    // On an upright tablet the window spans the width: no longer the middle third of it.
    const PagePlan ipad = page_plan(820, 1180);
    const Window w = test::started(ipad.screen.width, ipad.screen.height);
    EXPECT_GE(client_area(w, 0).width, 820 - 2 * kPageGap - 1);
}

}  // namespace
}  // namespace korru::web
