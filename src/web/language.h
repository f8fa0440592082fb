// SPDX-License-Identifier: MIT
// The page's words in the reader's language: English where the browser's first language is
// English, Japanese, as the texts are written, under any other. The English comes from the
// desktop's catalogue, translations/korru_en.ts, made into a table when the page is built.
#pragma once

#include <string>
#include <string_view>

// Marks a text of the page for lupdate, which adds it to the catalogue; the page has no Qt, and
// the text stays as written.
#define QT_TRANSLATE_NOOP(context, text) text

namespace korru::web {

// Chooses the language from navigator.languages (navigator.language where it lists none) and
// gives the page's <html> element its lang.
void use_browser_language();

// A text of the model or the page as the reader reads it; a text the catalogue lacks stays as
// written.
std::string translated(std::string_view text);

}  // namespace korru::web
