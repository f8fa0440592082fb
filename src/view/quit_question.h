// SPDX-License-Identifier: MIT
// The question asked when the window is to end with rows of the notebook not yet kept (a full
// disk, a folder that may not be written): save them as CSV elsewhere, end all the same, or stay.
#pragma once

#include <QString>
#include <QWidget>

namespace korru::view {

enum class QuitAnswer { save_csv, quit, stay };

// `unkept` says how many rows are not kept.
QuitAnswer ask_to_quit(QWidget* parent, const QString& unkept);

// The words of the question, for the catalogue.
QString quit_question_text(const QString& unkept);

}  // namespace korru::view
