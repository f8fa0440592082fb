// SPDX-License-Identifier: MIT
// The page's words in the reader's language: the language of the link (?lang=ko), else the one
// chosen in the bench's menu and kept in the browser's storage, else the browser's first
// language that korru has, else Japanese, as the texts are written. The catalogues are the
// desktop's (translations/korru_<code>.ts), made into tables when the page is built; English is
// read at once, any other is unpacked when it is chosen, and the page shows its words then.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "lesson/languages.h"

// Marks a text of the page for lupdate, which adds it to the catalogue; the page has no Qt, and
// the text stays as written.
#define QT_TRANSLATE_NOOP(context, text) text

namespace korru::web {

// Chooses the language at start and gives the page's <html> element its lang and its fonts. A
// language that must be unpacked is shown once it is (language_shown).
void use_browser_language();

// A language chosen in the menu: kept in the browser's storage (and in the address, where the
// page was opened with a language in it) and shown as soon as its catalogue is read.
void choose_language(const Language& language);

// The language whose words the page shows now.
const Language& current_language();

// Called whenever the page's language has changed, for the page to show its words again.
void on_language_shown(std::function<void()> shown);

// The menu entry's word for the language menu ("言語").
std::string language_word();

// The fonts the page asks for in the current language's script, as a CSS font family list:
// the system's UI fonts for it, then the generic face.
std::string_view font_families();

// A text of the model or the page as the reader reads it; a text the catalogue lacks stays as
// written.
std::string translated(std::string_view text);

// A counted text ("%n 行") for `n` as the reader reads it: the catalogue's plural form for `n`
// in the language shown (plural_form), "%n" replaced.
std::string counted(std::string_view text, unsigned long n);

}  // namespace korru::web
