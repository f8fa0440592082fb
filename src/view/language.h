// SPDX-License-Identifier: MIT
// The window's words in the user's language: Japanese as the texts are written, or one of the
// catalogues built into the program (translations/korru_<code>.ts). The language is the one the
// user chose from the bench's menu, remembered in the settings; until one is chosen, the first of
// the system's languages that korru has, else Japanese. The model's captions stay as they are; the
// view shows them through the catalogue.
#pragma once

#include <QLocale>
#include <QObject>
#include <QSettings>
#include <QString>
#include <string>
#include <string_view>

#include "lesson/languages.h"

class QAction;
class QWidget;

namespace korru::view {

// Installs the language a run starts in (starting_language): a link's (`link`, the scene given
// at start), else the one remembered in the settings, else the system's (QLocale's
// uiLanguages). Needs a QCoreApplication.
void use_system_language(std::string_view link = {});

// Installs `language`'s catalogue, with the toolkit's own catalogue for its dialogs where one is
// installed (Debian's qt6-translations-l10n), and the fonts for its script.
void use_language(const Language& language);

// The same for a language the toolkit names: Portuguese is Brazil's, Chinese the simplified;
// any language korru has no catalogue for is Japanese.
void use_language(QLocale::Language language);

// The language installed.
const Language& current_language();

// Installs `language` and remembers it in the settings for the next start; then says so through
// language_changes(), once control is back in the event loop.
void choose_language(const Language& language);

// Tells of a language chosen (choose_language), for whoever shows words to show them again.
class LanguageChanges : public QObject {
    Q_OBJECT
  Q_SIGNALS:
    void changed();
};
LanguageChanges& language_changes();

// The bench menu's entry "言語 / Language": a submenu with every language in its own words, the
// installed one checked; an entry chooses its language.
QAction* language_action(QWidget* parent);

// korru's settings, the user's choices kept for the next start: the language, the look, the
// bench's window alone; one of them kept at once.
QSettings kept_settings();
void keep_setting(const QString& key, const QVariant& value);

// A text of the model or the view as the user reads it.
QString translated(std::string_view text);
std::string translated_utf8(std::string_view text);

// A counted text ("%n 行") for `n`: the catalogue's plural form for it, "%n" replaced.
QString counted(std::string_view text, unsigned long n);
std::string counted_utf8(std::string_view text, unsigned long n);

}  // namespace korru::view
