// SPDX-License-Identifier: MIT
// One catalogue, English, in the context "korru"; a text it lacks is shown as written.
#include "view/language.h"

#include <QCoreApplication>
#include <QTranslator>

namespace korru::view {

namespace {

QTranslator& english() {
    static QTranslator translator;
    return translator;
}

}  // namespace

void use_language(QLocale::Language language) {
    QCoreApplication::removeTranslator(&english());
    if (language != QLocale::English) return;
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
