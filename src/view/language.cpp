// SPDX-License-Identifier: MIT
// One catalogue, English, in the context "korru"; a text it lacks is shown as written. Under
// Japanese, the toolkit's own catalogue too, for the words of its dialogs.
#include "view/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace korru::view {

namespace {

QTranslator& english() {
    static QTranslator translator;
    return translator;
}

QTranslator& toolkit_japanese() {
    static QTranslator translator;
    return translator;
}

}  // namespace

void use_language(QLocale::Language language) {
    QCoreApplication::removeTranslator(&english());
    QCoreApplication::removeTranslator(&toolkit_japanese());
    if (language != QLocale::English) {
        // The toolkit's buttons and file dialogs (キャンセル, ファイル名) from its own catalogue,
        // where it is installed (Debian's qt6-translations-l10n); its English where it is not.
        QTranslator& toolkit = toolkit_japanese();
        if (toolkit.isEmpty()) {
            (void)toolkit.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"),
                               QStringLiteral("_"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        }
        if (!toolkit.isEmpty()) QCoreApplication::installTranslator(&toolkit);
        return;
    }
    if (english().isEmpty() && !english().load(QStringLiteral(":/i18n/korru_en.qm"))) {
        qFatal("the English catalogue is missing from the program");
    }
    QCoreApplication::installTranslator(&english());
}

void use_system_language() {
    use_language(QLocale::system().language());
}

QString translated(std::string_view text) {
    const std::string source(text);
    return QCoreApplication::translate("korru", source.c_str());
}

std::string translated_utf8(std::string_view text) {
    return translated(text).toStdString();
}

}  // namespace korru::view
