// SPDX-License-Identifier: MIT
// The click handlers: arrow limits, focal-length and step choice, display toggles and the end
// button, each driven through click() as the window delivers it.
#include <gtest/gtest.h>

#include "support.h"

namespace korru {
namespace {

using test::clicks;

class Commands : public testing::Test {
  protected:
    Window w = test::started_12000();
    const float u = 261;
    BenchState& b = w.bench;
};

TEST_F(Commands, LeftArrowStopsExactlyAtTwentyUnits) {
    clicks(w, Click::ml, 16);
    EXPECT_EQ(b.sdist, 20 * u);
    clicks(w, Click::ml, 3);
    EXPECT_EQ(b.sdist, 20 * u);
    // From 19.75 units with the large step: pulled back to exactly 20.
    click(w, Click::mr);
    click(w, Click::smove_large);
    click(w, Click::ml);
    EXPECT_EQ(b.sdist, 20 * u);
    EXPECT_EQ(w.source().left, w.bench.lensx - 20 * u - w.source().width / 2);
}

TEST_F(Commands, RightArrowStopsAtHalfAUnitByStrictComparison) {
    click(w, Click::smove_large);
    b.sdist = 0.75f * u;
    click(w, Click::mr);
    EXPECT_EQ(b.sdist, 0.5f * u);
    b.sdist = 1 * u;
    click(w, Click::mr);
    EXPECT_EQ(b.sdist, 0.5f * u);
    clicks(w, Click::mr, 5);
    EXPECT_EQ(b.sdist, 0.5f * u);
    EXPECT_TRUE(w.virtual_image().visible);  // well inside the focal length
}

TEST_F(Commands, VerticalArrowsStopAtTwoUpAndSixDown) {
    clicks(w, Click::mu, 8);
    EXPECT_EQ(b.slift, 2 * u);
    clicks(w, Click::mu, 2);
    EXPECT_EQ(b.slift, 2 * u);
    clicks(w, Click::md, 8 + 24);
    EXPECT_EQ(b.slift, -6 * u);
    click(w, Click::md);
    EXPECT_EQ(b.slift, -6 * u);
    EXPECT_EQ(w.source().top, w.bench.axisy + 4 * u);
}

TEST_F(Commands, StepChoiceKeepsThePositionReached) {
    click(w, Click::smove_large);
    EXPECT_EQ(b.step, u / 2);
    click(w, Click::ml);
    EXPECT_EQ(b.sdist, 16.5f * u);
    const float left = w.source().left;
    click(w, Click::smove_small);
    EXPECT_EQ(b.step, u / 4);
    EXPECT_EQ(b.sdist, 16.5f * u);
    EXPECT_EQ(w.source().left, left);
    click(w, Click::ml);
    EXPECT_EQ(b.sdist, 16.75f * u);
}

TEST_F(Commands, LongFocalLengthNarrowsTheLensAndMovesTheMarks) {
    const Window start = w;
    click(w, Click::fmove_long);
    EXPECT_EQ(b.flen, 6 * u);
    EXPECT_EQ(b.sdist, 16 * u);
    EXPECT_EQ(w.lens().width, 174);
    EXPECT_EQ(w.lens().left, 5133);
    EXPECT_EQ(w.lens().left + w.lens().width / 2, b.lensx);
    EXPECT_EQ(w.lens().top, start.items[Window::ids::lens].top);
    EXPECT_EQ((w.focal_mark(2).x1 + w.focal_mark(2).x2) / 2, b.lensx + 6 * u);
    EXPECT_EQ(w.focal_label(0).left, start.items[Window::ids::focal_labels[0]].left - 2 * u);
    EXPECT_FALSE(w.focal_mark(0).visible);  // moved while hidden

    click(w, Click::fmove_short);
    for (std::size_t i = 0; i < kItemCount; ++i) {
        EXPECT_EQ(w.items[i].left, start.items[i].left) << item_label(kItems[i]);
        EXPECT_EQ(w.items[i].width, start.items[i].width) << item_label(kItems[i]);
        EXPECT_EQ(w.items[i].x1, start.items[i].x1) << item_label(kItems[i]);
    }
}

TEST_F(Commands, FocalLengthSwitchTurnsARealImageVirtualWithoutMovingTheScreen) {
    b.sdist = 5 * u;
    click(w, Click::ml);  // re-forms the image at 5.25 units
    click(w, Click::mr);
    ASSERT_TRUE(w.real_image().visible);
    const float screen = w.screen_card().left;
    click(w, Click::fmove_long);
    EXPECT_EQ(b.sdist, 5 * u);
    EXPECT_FALSE(w.real_image().visible);
    EXPECT_TRUE(w.virtual_image().visible);
    EXPECT_EQ(w.image_label().caption, "虚像");
    EXPECT_EQ(w.screen_card().left, screen);
    click(w, Click::fmove_short);
    EXPECT_TRUE(w.real_image().visible);
    EXPECT_EQ(w.screen_card().left, screen);  // same real image again
    click(w, Click::ml);
    EXPECT_NE(w.screen_card().left, screen);
}

TEST_F(Commands, OptionClickSelectsOneAndClearsItsPartner) {
    const auto value = [&](std::string_view n, int i) { return w[item_id(n, i)].value; };
    click(w, Click::fmove_long);
    EXPECT_EQ(value("fmove", 0), 1);
    EXPECT_EQ(value("fmove", 1), 0);
    EXPECT_EQ(value("smove", 1), 1);  // the other pair is untouched
    click(w, Click::smove_large);
    EXPECT_EQ(value("smove", 0), 1);
    EXPECT_EQ(value("smove", 1), 0);
    EXPECT_EQ(b.step, u / 2);
    click(w, Click::smove_large);  // again: same state
    EXPECT_EQ(value("smove", 0), 1);
    EXPECT_EQ(b.step, u / 2);
    click(w, Click::fmove_short);
    EXPECT_EQ(value("fmove", 1), 1);
    EXPECT_EQ(value("fmove", 0), 0);
}

struct Group {
    Click box;
    int box_id;
    std::vector<int> members;
    int start;
};

void PrintTo(const Group& g, std::ostream* os) {
    *os << click_name(g.box) << " and its " << g.members.size() << " items";
}

class Toggles : public Commands, public testing::WithParamInterface<Group> {};

TEST_P(Toggles, ShowAndHideExactlyTheirGroup) {
    const Group& g = GetParam();
    const Window before = w;
    for (int round = 0; round < 2; ++round) {
        click(w, g.box);
        const bool shown = w[g.box_id].value == 1;
        EXPECT_EQ(w[g.box_id].value, 1 - g.start);
        for (int id : g.members) EXPECT_EQ(w[id].visible, shown) << item_label(kItems[id]);
        for (std::size_t i = 0; i < kItemCount; ++i) {
            const bool member =
                std::find(g.members.begin(), g.members.end(), int(i)) != g.members.end();
            if (!member) {
                EXPECT_EQ(w.items[i].visible, before.items[i].visible);
            }
            EXPECT_EQ(w.items[i].left, before.items[i].left);
            EXPECT_EQ(w.items[i].y1, before.items[i].y1);
        }
        click(w, g.box);
        EXPECT_EQ(w[g.box_id].value, g.start);
        for (int id : g.members) EXPECT_EQ(w[id].visible, g.start == 1);
    }
}

std::vector<int> ids_of(std::initializer_list<std::pair<const char*, int>> arrays) {
    std::vector<int> out;
    for (auto [name, n] : arrays) {
        for (int i = 0; i < n; ++i) out.push_back(item_id(name, n == 1 ? -1 : i));
    }
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Groups, Toggles,
    testing::Values(Group{Click::sukurin, item_id("sukurin"), ids_of({{"scrn", 1}}), 1},
                    Group{Click::kosen, item_id("kosen"), ids_of({{"rl", 4}}), 0},
                    Group{Click::syoten, item_id("syoten"), ids_of({{"fl", 4}, {"ft", 2}}), 0},
                    Group{Click::hogan, item_id("hogan"),
                          ids_of({{"LYU", 9}, {"LYD", 9}, {"LXL", 19}, {"LXR", 19}}), 0}),
    [](const testing::TestParamInfo<Group>& p) { return std::string(click_name(p.param.box)); });

TEST_F(Commands, ShownRaysAndMarksFollowChangesMadeWhileHidden) {
    clicks(w, Click::mu, 3);
    clicks(w, Click::mr, 5);
    click(w, Click::fmove_long);
    click(w, Click::kosen);
    click(w, Click::syoten);
    EXPECT_TRUE(w.ray(0).visible);
    EXPECT_EQ(w.ray(1).y1, w.source().top);
    EXPECT_EQ((w.focal_mark(0).x1 + w.focal_mark(0).x2) / 2, b.lensx - 6 * u);
}

TEST_F(Commands, HiddenScreenStaysHiddenAndReturnsWhereTheLastImagePutIt) {
    click(w, Click::sukurin);
    EXPECT_FALSE(w.screen_card().visible);
    clicks(w, Click::mr, 4);
    click(w, Click::fmove_long);
    EXPECT_FALSE(w.screen_card().visible);
    click(w, Click::sukurin);
    EXPECT_TRUE(w.screen_card().visible);
    const Item& im = w.real_image();
    EXPECT_NEAR(w.screen_card().left + w.screen_card().width / 2, im.left + im.width / 2, 0.01f);
}

TEST_F(Commands, GridToggleLeavesAxisLensLineAndOutlineShown) {
    click(w, Click::hogan);
    click(w, Click::hogan);
    EXPECT_TRUE(w.axis().visible && w.lens_line().visible && w.lens().visible);
}

TEST_F(Commands, EndButtonUnloadsTheWindow) {
    EXPECT_FALSE(w.unloaded);
    click(w, Click::owari);
    EXPECT_TRUE(w.unloaded);
}

TEST(ClickNames, RoundTripAndRejectStrangers) {
    for (int c = 0; c <= static_cast<int>(Click::owari); ++c) {
        const auto click = static_cast<Click>(c);
        EXPECT_EQ(click_from_name(click_name(click)), click);
    }
    for (const char* bad : {"", "ML", "fmove", "fmove(2)", "fmove(0) ", "rl(0)", "work"}) {
        EXPECT_FALSE(click_from_name(bad).has_value()) << bad;
    }
    EXPECT_EQ(click_target(Click::smove_large), item_id("smove", 0));
}

}  // namespace
}  // namespace korru
