// SPDX-License-Identifier: MIT
// One catalogue at a time in the context "korru", from the program's resources; a text it lacks
// is shown as written. Beside it the toolkit's own catalogue, for the words of its dialogs.
#include "view/language.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QMenu>
#include <QSettings>
#include <QTimer>
#include <QTranslator>

namespace korru::view {

namespace {

const Language* installed = &japanese();

QTranslator& catalogue() {
    static QTranslator translator;
    return translator;
}

QTranslator& toolkit() {
    static QTranslator translator;
    return translator;
}

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

const QString kLanguageKey = QStringLiteral("language");

}  // namespace

void use_language(const Language& language) {
    QCoreApplication::removeTranslator(&catalogue());
    QCoreApplication::removeTranslator(&toolkit());
    installed = &language;
    if (language.code != japanese().code) {
        const QString file = QStringLiteral(":/i18n/korru_%1.qm").arg(text(language.code));
        if (!catalogue().load(file)) {
            qFatal("the catalogue %s is missing from the program", qPrintable(file));
        }
        QCoreApplication::installTranslator(&catalogue());
    }
    // The toolkit's buttons and file dialogs (キャンセル, ファイル名) from its own catalogue,
    // where it is installed (Debian's qt6-translations-l10n); its English where it is not.
    if (language.code != "en" &&
        toolkit().load(QStringLiteral("qtbase_%1").arg(text(language.code)),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&toolkit());
    }
}

void use_language(QLocale::Language language) {
    const Language* chosen = language_of_tag(QLocale::languageToCode(language).toStdString());
    use_language(chosen ? *chosen : japanese());
}

const Language& current_language() {
    return *installed;
}

void use_system_language(std::string_view link) {
    std::vector<std::string> tags;
    for (const QString& tag : QLocale::system().uiLanguages()) tags.push_back(tag.toStdString());
    const std::string remembered = kept_settings().value(kLanguageKey).toString().toStdString();
    use_language(starting_language(link, remembered, tags));
}

LanguageChanges& language_changes() {
    static LanguageChanges changes;
    return changes;
}

void choose_language(const Language& language) {
    use_language(language);
    keep_setting(kLanguageKey, text(language.code));
    // Whoever shows words may go with the menu that chose: not while its entry is still acting.
    QTimer::singleShot(0, &language_changes(), &LanguageChanges::changed);
}

QSettings kept_settings() {
    return QSettings(QStringLiteral("korru"), QStringLiteral("korru"));
}

void keep_setting(const QString& key, const QVariant& value) {
    QSettings kept = kept_settings();
    kept.setValue(key, value);
    kept.sync();
}

QAction* language_action(QWidget* parent) {
    const QString caption =
        QString::fromStdString(language_menu_word(translated_utf8, current_language()));
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("languages"));
    auto* group = new QActionGroup(menu);
    for (const Language& l : kLanguages) {
        QAction* entry = menu->addAction(text(l.name));
        entry->setCheckable(true);
        entry->setChecked(&l == &current_language());
        entry->setData(text(l.code));
        group->addAction(entry);
        QObject::connect(entry, &QAction::triggered, menu, [&l] {
            if (&l != &current_language()) choose_language(l);
        });
    }
    auto* action = new QAction(caption, parent);
    action->setMenu(menu);
    return action;
}

QString translated(std::string_view text) {
    const std::string source(text);
    return QCoreApplication::translate("korru", source.c_str());
}

QString counted(std::string_view text, unsigned long n) {
    const std::string source(text);
    return QCoreApplication::translate("korru", source.c_str(), nullptr, static_cast<int>(n));
}

std::string counted_utf8(std::string_view text, unsigned long n) {
    return counted(text, n).toStdString();
}

std::string translated_utf8(std::string_view text) {
    return translated(text).toStdString();
}

}  // namespace korru::view
