// SPDX-License-Identifier: MIT
// The lesson bar on the desktop: the buttons of lesson_bar(), large enough for a finger and a
// class at a projector, and the sentence of the lesson's mode and what to do; a button pressed
// down shows a mode that is on. A click is told as the action, for the window to make; a button
// not enabled says why not, on its tooltip, to a screen reader, and by a notice when clicked.
#pragma once

#include <QWidget>
#include <map>

#include "lesson/lesson_bar.h"

class QLayout;
class QLabel;
class QPushButton;

namespace korru::view {

class LessonBarView : public QWidget {
    Q_OBJECT

  public:
    explicit LessonBarView(QWidget* parent);

    // Shows `bar`; the notebook's button is pressed while `notebook_shown`.
    void show_bar(const LessonBar& bar, bool notebook_shown);

    // The button of `action`, where the bar has one now.
    QPushButton* button(LessonAction action) const;

  Q_SIGNALS:
    void acted(korru::LessonAction action);

  protected:
    // A click on a button that is not enabled still reaches its container: told as the action,
    // for the session to say why not.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLayout* buttons_;
    QLabel* status_;
    std::map<LessonAction, QPushButton*> made_;  // every button made so far, shown or not
};

// The object name of an action's button: "bar_predict", "bar_record", …
QString bar_button_name(LessonAction action);

}  // namespace korru::view
