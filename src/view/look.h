// SPDX-License-Identifier: MIT
// The bench's look on the desktop: the bench menu's setting, remembered like the language, and
// the lesson's words (its bar, its notices) as large as the look asks beside the bench.
#pragma once

#include <QAction>
#include <QWidget>

#include "lesson/session.h"

namespace korru::view {

// The look chosen last from the menu; the window's where none was.
BenchLook remembered_look();
void remember_look(BenchLook look);

// The menu's entry, ticked while the projector's look is shown.
QAction* look_action(QWidget* parent);

// The lesson bar's words and the notices under `lesson` (its window, or korru's) set at the size of
// the bench's words in the session's look: their own size in the window's look.
void size_lesson_words(QWidget* lesson, const Session& session);

}  // namespace korru::view
