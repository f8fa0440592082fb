// SPDX-License-Identifier: MIT
// Which language a reader's browser or system asks for, and the language a link carries: a link
// handed out before links had one still opens, and a link made again keeps what else it says.
#include "lesson/languages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lesson/scene_text.h"

namespace korru {
namespace {

struct Tagged {
    const char* tag;
    const char* code;  // "" for none of korru's
};

class Tags : public testing::TestWithParam<Tagged> {};

TEST_P(Tags, NameTheirLanguage) {
    const Language* l = language_of_tag(GetParam().tag);
    EXPECT_EQ(l ? std::string(l->code) : "", GetParam().code) << GetParam().tag;
}

INSTANTIATE_TEST_SUITE_P(
    Languages, Tags,
    testing::Values(Tagged{"ja", "ja"}, Tagged{"ja-JP", "ja"}, Tagged{"EN-gb", "en"},
                    Tagged{"pt-BR", "pt_BR"}, Tagged{"pt-PT", "pt_BR"}, Tagged{"pt_BR", "pt_BR"},
                    Tagged{"zh", "zh_CN"}, Tagged{"zh-Hans-CN", "zh_CN"}, Tagged{"zh-SG", "zh_CN"},
                    Tagged{"zh-TW", ""}, Tagged{"zh-Hant", ""}, Tagged{"zh_HK", ""},
                    Tagged{"fil", "fil"}, Tagged{"tl-PH", "fil"}, Tagged{"vi-VN", "vi"},
                    Tagged{"es-419", "es"}, Tagged{"ko-KR", "ko"}, Tagged{"ne-NP", "ne"},
                    Tagged{"de-DE", ""}, Tagged{"eo", ""}, Tagged{"e", ""}, Tagged{"", ""},
                    Tagged{"C", ""}, Tagged{"jav", ""}, Tagged{"english", ""}));

TEST(Languages, EachIsNamedInItsOwnWordsAndFoundByItsTag) {
    for (const Language& l : kLanguages) {
        EXPECT_EQ(language_of_tag(l.tag), &l) << l.tag;
        EXPECT_EQ(language_of_tag(l.code), &l) << l.code;
    }
    EXPECT_EQ(kLanguages.front().code, "ja");
}

// The first preferred language korru has: a Taiwanese reader's list goes on to English.
TEST(Languages, TheFirstPreferredThatKorruHasIsTaken) {
    EXPECT_EQ(preferred_language({"zh-TW", "en-US", "ko"}).code, "en");
    EXPECT_EQ(preferred_language({"de", "pt-PT"}).code, "pt_BR");
    EXPECT_EQ(preferred_language({"de", "fr"}).code, "ja");
    EXPECT_EQ(preferred_language({}).code, "ja");
}

// The language rides in the query, before "#": the scene after "#" reads as it always did,
// and a page that knows nothing of languages ignores it.
TEST(Links, CarryTheirLanguageBesideTheScene) {
    const std::string old_link = "file:///media/usb/korru.html#kosen.mr*24.fmove(0)";
    EXPECT_EQ(language_in_link(old_link), nullptr);
    const std::string made =
        link_in_language("file:///media/usb/korru.html#old", *language_of_tag("ko"));
    EXPECT_EQ(made, "file:///media/usb/korru.html?lang=ko");
    const std::string link = made + "#kosen.mr*24.fmove(0)";
    ASSERT_NE(language_in_link(link), nullptr);
    EXPECT_EQ(language_in_link(link)->code, "ko");
    EXPECT_EQ(read_scene(link).steps, read_scene(old_link).steps);
    EXPECT_EQ(read_scene(link).fault, SceneFault::none);
}

TEST(Links, MadeAgainKeepTheirOtherParametersAndOneLanguage) {
    const Language& vi = *language_of_tag("vi");
    EXPECT_EQ(link_in_language("https://school.example/korru.html?lang=ko&room=3#x", vi),
              "https://school.example/korru.html?room=3&lang=vi");
    EXPECT_EQ(link_in_language("korru.html?room=3&lang=pt-BR&", vi), "korru.html?room=3&lang=vi");
    EXPECT_EQ(language_in_link("korru.html?room=3&lang=pt-BR#lang=ko")->code, "pt_BR");
    EXPECT_EQ(language_in_link("korru.html?xlang=ko"), nullptr);
    EXPECT_EQ(language_in_link("korru.html?lang=de"), nullptr);
    EXPECT_EQ(language_in_link("korru.html#kosen?lang=ko"), nullptr);
}

}  // namespace
}  // namespace korru
