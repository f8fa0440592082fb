// SPDX-License-Identifier: MIT
// The window definition as data: the item set, focus order, start states, and the model's
// independence from the window toolkit.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>

#include "window/window.h"

namespace korru {
namespace {

TEST(Definition, HasEveryItemOnceInItsContainer) {
    std::set<std::pair<std::string_view, int>> seen;
    std::map<std::string_view, int> per_container, per_array;
    for (const ItemDef& d : kItems) {
        EXPECT_TRUE(seen.insert({d.name, d.index}).second) << item_label(d);
        ++per_container[d.container];
        if (d.index >= 0) ++per_array[d.name];
    }
    EXPECT_EQ(per_container["main"], 9);
    EXPECT_EQ(per_container["cont"], 4);
    EXPECT_EQ(per_container["vset"], 4);
    EXPECT_EQ(per_container["sset"], 2);
    EXPECT_EQ(per_container["fset"], 2);
    EXPECT_EQ(per_container["work"], 75);
    const std::map<std::string_view, int> arrays{{"rl", 4},    {"fl", 4},    {"ft", 2},
                                                 {"fmove", 2}, {"smove", 2}, {"LYU", 9},
                                                 {"LYD", 9},   {"LXL", 19},  {"LXR", 19}};
    EXPECT_EQ(per_array, arrays);
}

TEST(Definition, BenchStackingPutsScreenLowestAndLabelsHigh) {
    const auto stack = [](std::string_view name, int index = -1) {
        return item_id(name, index) - item_id("rl", 3) + 1;
    };
    EXPECT_EQ(stack("rl", 3), 1);
    EXPECT_EQ(stack("image2"), 2);
    EXPECT_EQ(stack("LXL", 9), 14);
    EXPECT_EQ(stack("rl", 0), 17);
    EXPECT_EQ(stack("fl", 0), 32);
    EXPECT_EQ(stack("source"), 34);
    EXPECT_EQ(stack("LXR", 0), 53);
    EXPECT_EQ(stack("LYU", 0), 71);
    EXPECT_EQ(stack("korru"), 74);
    EXPECT_EQ(stack("scrn"), 75);
}

TEST(Definition, TabIndexNumbersTwentyFiveItemsWithoutGaps) {
    std::set<int> tabs;
    for (const ItemDef& d : kItems) {
        if (d.tab_index >= 0) {
            EXPECT_TRUE(tabs.insert(d.tab_index).second) << item_label(d);
        }
    }
    EXPECT_EQ(tabs.size(), 25u);
    EXPECT_EQ(*tabs.begin(), 0);
    EXPECT_EQ(*tabs.rbegin(), 24);
    EXPECT_EQ(kItems[item_id("ml")].tab_index, 1);
    EXPECT_EQ(kItems[item_id("cont")].tab_index, 0);
}

TEST(Definition, WindowOpensWithScreenShownAndShortSmallSelected) {
    const Window w;
    const auto value = [&](std::string_view n, int i = -1) { return w[item_id(n, i)].value; };
    EXPECT_EQ(value("sukurin"), 1);
    EXPECT_EQ(value("kosen"), 0);
    EXPECT_EQ(value("syoten"), 0);
    EXPECT_EQ(value("hogan"), 0);
    EXPECT_EQ(value("fmove", 1), 1);
    EXPECT_EQ(value("fmove", 0), 0);
    EXPECT_EQ(value("smove", 1), 1);
    EXPECT_EQ(value("smove", 0), 0);
    for (const Item& it : w.items) EXPECT_TRUE(it.visible);
    EXPECT_EQ(w.main.caption, "Tavensu");
    EXPECT_EQ(w[item_id("sukurin")].caption, "ｽｸﾘｰﾝ表示");
}

}  // namespace
}  // namespace korru
