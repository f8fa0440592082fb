// SPDX-License-Identifier: MIT
// The look's setting and the lesson's words at its size.
#include "view/look.h"

#include <QSettings>

#include "lesson/captions.h"
#include "view/language.h"
#include "view/lesson_bar_view.h"
#include "view/notice.h"
#include "view/twips.h"

namespace korru::view {

namespace {

const QString kLookKey = QStringLiteral("projector");

}  // namespace

BenchLook remembered_look() {
    return kept_settings().value(kLookKey, false).toBool() ? BenchLook::projector
                                                           : BenchLook::window;
}

void remember_look(BenchLook look) {
    keep_setting(kLookKey, look == BenchLook::projector);
}

QAction* look_action(QWidget* parent) {
    auto* action = new QAction(translated(kCaptions.projector_look), parent);
    action->setObjectName(QStringLiteral("projector_look"));
    action->setCheckable(true);
    return action;
}

void size_lesson_words(QWidget* lesson, const Session& session) {
    if (!lesson) return;
    const int pixels = lesson_word_pixels(
        session.look(), px_rect(session.window()[Window::ids::bench_area]).height());
    QList<QWidget*> words;
    for (auto* bar : lesson->findChildren<LessonBarView*>()) words << bar;
    for (auto* notice : lesson->findChildren<Notice*>()) words << notice;
    for (QWidget* w : words) {
        QFont font = w->parentWidget() ? w->parentWidget()->font() : w->font();
        if (pixels > 0) font.setPixelSize(pixels);
        if (w->font() != font) w->setFont(font);
    }
}

}  // namespace korru::view
