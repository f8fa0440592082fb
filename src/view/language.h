// SPDX-License-Identifier: MIT
// The window's words in the user's language: Japanese as the texts are written, English under
// an English locale (LANG=en_*). The model's captions stay as they are; the view shows them
// through the catalogue, which is built into the program.
#pragma once

#include <QLocale>
#include <QString>
#include <string>
#include <string_view>

namespace korru::view {

// Installs the English catalogue under an English system locale, the toolkit's Japanese one under
// any other (the C locale included). Needs a QCoreApplication.
void use_system_language();

// Installs the catalogue for `language`: English, or for any other the window's own Japanese with
// the toolkit's Japanese catalogue for its dialogs.
void use_language(QLocale::Language language);

// A text of the model or the view as the user reads it.
QString translated(std::string_view text);
std::string translated_utf8(std::string_view text);

}  // namespace korru::view
