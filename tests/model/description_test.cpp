// SPDX-License-Identifier: MIT
// The scene in words: the case, the candle, the lens and the image, with the model's numbers,
// for the real, virtual and no-image cases; and the list every catalogue must cover.
#include "bench/description.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support.h"

namespace korru {
namespace {

std::string as_written(std::string_view text) {
    return std::string(text);
}

struct Told {
    test::Lesson lesson;
    ImageCase image;
    const char* said;
};

void PrintTo(const Told& t, std::ostream* os) {
    PrintTo(t.lesson, os);
}

class Description : public testing::TestWithParam<Told> {};

TEST_P(Description, SaysTheCaseAndTheModelsNumbers) {
    const Window w = test::after(GetParam().lesson);
    EXPECT_EQ(scene_facts(w).image, GetParam().image);
    EXPECT_EQ(describe_scene(w, as_written), GetParam().said);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Description,
    testing::Values(
        // Four focal lengths away: v = 16 * 4 / 12 = 5.33 squares, a third of the candle's size.
        Told{{"real", {}},
             ImageCase::real,
             "実像ができています。上下が逆さまです。 光源はレンズの左 16 マス、光軸の上に立って"
             "います。 焦点距離は 4 マス です。 像はレンズの右 5.33 マス にでき、大きさは光源の "
             "0.33 倍 です。"},
        // Three squares away with the candle's foot a square up: v = -12, four times as large.
        Told{{"virtual", {{Click::smove_large, 1}, {Click::mr, 26}, {Click::mu, 2}}},
             ImageCase::virtual_image,
             "虚像が見えます。向きは光源と同じです。 光源はレンズの左 3 マス、光軸より 1 マス "
             "上にあります。 焦点距離は 4 マス です。 像はレンズの左 12 マス に見え、大きさは光源"
             "の 4 倍 です。"},
        Told{{"no_image", {{Click::smove_large, 1}, {Click::mr, 24}, {Click::md, 5}}},
             ImageCase::none,
             "光源が焦点の上にあり、像はできません。 光源はレンズの左 4 マス、光軸より 2.5 マス "
             "下にあります。 焦点距離は 4 マス です。"}),
    test::lesson_name);

TEST(Description, ReachesTheFaceThroughItsCatalogue) {
    const Window w = test::started();
    const std::string said = describe_scene(w, [](std::string_view text) {
        if (text == "%1 マス") return std::string("%1 squares");
        if (text == "1 マス") return std::string("1 square");
        return "<" + std::string(text) + ">";
    });
    EXPECT_NE(said.find("<焦点距離は 4 squares です。>"), std::string::npos) << said;
    EXPECT_NE(said.find("<0.33 倍>"), std::string::npos) << said;
}

TEST(Description, NumbersAreReadWithAtMostTwoDecimals) {
    EXPECT_EQ(spoken_number(16), "16");
    EXPECT_EQ(spoken_number(0.25f), "0.25");
    EXPECT_EQ(spoken_number(16.0f / 3), "5.33");
    EXPECT_EQ(spoken_number(2.5f), "2.5");
    EXPECT_EQ(spoken_number(-0.001f), "0");
    EXPECT_EQ(spoken_number(-6), "-6");
}

// Every caption a user can meet is in the list the catalogues are made from, the image label's
// two captions among them; the program's name and the arrows' symbols are not.
TEST(Description, ListsEveryTextToTranslate) {
    const auto texts = translatable_texts();
    const auto has = [&](std::string_view t) {
        return std::find(texts.begin(), texts.end(), t) != texts.end();
    };
    for (const ItemDef& def : kItems) {
        if (def.name == "title") continue;
        if (!def.speech.empty()) {
            EXPECT_TRUE(has(def.speech)) << item_label(def);
        } else if (!def.caption.empty()) {
            EXPECT_TRUE(has(def.caption)) << item_label(def);
        }
        if (!def.hint.empty()) {
            EXPECT_TRUE(has(def.hint)) << item_label(def);
        }
    }
    EXPECT_TRUE(has("虚像"));
    EXPECT_FALSE(has("Tavensu"));
    EXPECT_FALSE(has("←"));
}

}  // namespace
}  // namespace korru
