// SPDX-License-Identifier: MIT
// Which language a reader's browser or system asks for, and the language a link carries: a link
// handed out before links had one still opens, and a link made again keeps what else it says.
#include "lesson/languages.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "lesson/scene_text.h"

namespace korru {
namespace {

// Tags as browsers and systems write them, and the catalogue each reads ("" for none).
TEST(Languages, TagsNameTheirLanguage) {
    const std::pair<const char*, const char*> tags[] = {
        {"ja", "ja"},       {"ja-JP", "ja"},    {"EN-gb", "en"}, {"pt-BR", "pt_BR"},
        {"pt-PT", "pt_BR"}, {"pt_BR", "pt_BR"}, {"zh", "zh_CN"}, {"zh-Hans-CN", "zh_CN"},
        {"zh-SG", "zh_CN"}, {"zh-TW", ""},      {"zh-Hant", ""}, {"zh_HK", ""},
        {"fil", "fil"},     {"tl-PH", "fil"},   {"vi-VN", "vi"}, {"es-419", "es"},
        {"ko-KR", "ko"},    {"ne-NP", "ne"},    {"de-DE", ""},   {"eo", ""},
        {"e", ""},          {"", ""},           {"C", ""},       {"jav", ""},
        {"english", ""}};
    for (const auto& [tag, code] : tags) {
        const Language* l = language_of_tag(tag);
        EXPECT_EQ(l ? std::string(l->code) : "", code) << tag;
    }
}

TEST(Languages, EachIsNamedInItsOwnWordsAndFoundByItsTag) {
    for (const Language& l : kLanguages) {
        EXPECT_EQ(language_of_tag(l.tag), &l) << l.tag;
        EXPECT_EQ(language_of_tag(l.code), &l) << l.code;
    }
    EXPECT_EQ(kLanguages.front().code, "ja");
}

// A run starts in the link's language, else the one chosen before, else the reader's, on both
// faces; a remembered language korru no longer has is passed over.
TEST(Languages, ARunStartsInTheLinksThenTheRememberedThenThePreferred) {
    const std::vector<std::string> reader{"es-MX"};
    EXPECT_EQ(starting_language("korru.html?lang=ko#mr", "vi", reader).code, "ko");
    EXPECT_EQ(starting_language("korru.html#mr", "vi", reader).code, "vi");
    EXPECT_EQ(starting_language("", "xx", reader).code, "es");
    EXPECT_EQ(starting_language("", "", {}).code, "ja");
    EXPECT_EQ(language_menu_word([](std::string_view t) { return std::string(t); },
                                 *language_of_tag("ko")),
              "言語 / Language");
    EXPECT_EQ(language_menu_word([](std::string_view) { return std::string("Language"); },
                                 *language_of_tag("en")),
              "Language");
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
