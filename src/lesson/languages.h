// SPDX-License-Identifier: MIT
// The languages korru speaks, each with a catalogue but Japanese, in which the texts are written:
// their names for the menus (each in its own language), which one a reader's list of preferred
// languages asks for, and the language a link to the page carries ("?lang=ko"). Both faces read
// them from here.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace korru {

struct Language {
    std::string_view code;  // the catalogue's: translations/korru_<code>.ts
    std::string_view tag;   // BCP 47: the page's lang attribute and the link's lang=
    std::string_view name;  // as its readers write it, for the language menu
};

// In the menus' order; Japanese first.
inline constexpr std::array<Language, 9> kLanguages{{
    {"ja", "ja", "日本語"},
    {"en", "en", "English"},
    {"pt_BR", "pt-BR", "Português (Brasil)"},
    {"zh_CN", "zh-CN", "简体中文"},
    {"fil", "fil", "Filipino"},
    {"vi", "vi", "Tiếng Việt"},
    {"es", "es", "Español"},
    {"ko", "ko", "한국어"},
    {"ne", "ne", "नेपाली"},
}};

inline const Language& japanese() {
    return kLanguages[0];
}

// The language a tag names ("pt-PT", "zh_Hans_CN", "tl", "EN-gb", a code such as "pt_BR"), or
// null where korru has none for it. Portuguese of any country reads the Brazilian catalogue,
// Spanish of any the Spanish one; Chinese in traditional characters (zh-Hant, zh-TW, zh-HK,
// zh-MO) is not the simplified catalogue's.
const Language* language_of_tag(std::string_view tag);

// The first of the reader's preferred languages, in order, that korru has; Japanese where it
// has none of them.
const Language& preferred_language(const std::vector<std::string>& tags);

// The language a run or a visit starts in: the link's, else the one the reader chose before
// (`remembered`, a tag or a code, empty for none), else the first of the reader's preferred
// languages that korru has.
const Language& starting_language(std::string_view link, std::string_view remembered,
                                  const std::vector<std::string>& preferred);

// The language menu's word, in the language shown; " / Language" follows it in every language
// but English, so that a reader who cannot read the language shown still finds the entry.
inline constexpr std::string_view kLanguageWord = "言語";
std::string language_menu_word(const std::function<std::string(std::string_view)>& translate,
                               const Language& shown);

// Which of a catalogue's plural forms of a counted text (a text with "%n") reads right for `n`
// in `language`, by the rules the desktop's toolkit compiles its catalogues with: one form in
// Japanese, Chinese, Korean and Vietnamese; English, Spanish and Nepali say one row and n rows;
// Brazilian Portuguese and Filipino count 0 as they count 1.
int plural_form(const Language& language, unsigned long n);

// A counted text in a language's words: the form for `n`, with "%n" replaced by `n`.
using CountedTranslate = std::function<std::string(std::string_view text, unsigned long n)>;

// A counted text as written (Japanese, which has one form): "%n" replaced by `n`.
std::string counted_as_written(std::string_view text, unsigned long n);

// The language of a link to the page: its query's lang=, read as a tag; null for a link
// without one or with a language korru does not have.
const Language* language_in_link(std::string_view link);

// The link to the page at `address` (what comes before any "#") with `language` in its query,
// which keeps its other parameters; "#" and the scene are the caller's to add.
std::string link_in_language(std::string_view address, const Language& language);

}  // namespace korru
