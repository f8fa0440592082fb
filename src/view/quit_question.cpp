// SPDX-License-Identifier: MIT
// The question before the window ends with rows not kept.
#include "view/quit_question.h"

#include <QMessageBox>
#include <QPushButton>

#include "view/language.h"

namespace korru::view {

namespace {

constexpr const char* kQuestion = QT_TRANSLATE_NOOP(
    "korru", "%1 終わると、その行は失われます。CSV として別の場所に保存しますか?");
constexpr const char* kSave = QT_TRANSLATE_NOOP("korru", "CSV として保存…");
constexpr const char* kQuit = QT_TRANSLATE_NOOP("korru", "保存せずに終わる");
constexpr const char* kStay = QT_TRANSLATE_NOOP("korru", "終わらない");

}  // namespace

QString quit_question_text(const QString& unkept) {
    return translated(kQuestion).arg(unkept);
}

QuitAnswer ask_to_quit(QWidget* parent, const QString& unkept) {
    QMessageBox box(QMessageBox::Warning, parent ? parent->windowTitle() : QString(),
                    quit_question_text(unkept), QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("quit_question"));
    QPushButton* save = box.addButton(translated(kSave), QMessageBox::AcceptRole);
    QPushButton* quit = box.addButton(translated(kQuit), QMessageBox::DestructiveRole);
    QPushButton* stay = box.addButton(translated(kStay), QMessageBox::RejectRole);
    save->setObjectName(QStringLiteral("save_csv"));
    quit->setObjectName(QStringLiteral("quit"));
    stay->setObjectName(QStringLiteral("stay"));
    box.setDefaultButton(save);
    box.setEscapeButton(stay);
    box.exec();
    if (box.clickedButton() == save) return QuitAnswer::save_csv;
    if (box.clickedButton() == quit) return QuitAnswer::quit;
    return QuitAnswer::stay;
}

}  // namespace korru::view
