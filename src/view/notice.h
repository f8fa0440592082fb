// SPDX-License-Identifier: MIT
// A notice: the status line of the lesson's window, for what the user should know without having
// to answer it (a row recorded or not, a scene copied or not understood, a notebook not kept). It
// lies in its window's layout, never over the bench or a control, and takes no click; a screen
// reader hears each as an alert, by the line's description.
#pragma once

#include <QLabel>
#include <QTimer>

namespace korru::view {

class Notice : public QLabel {
    Q_OBJECT

  public:
    explicit Notice(QWidget* parent);

    // Shows `text`: a lasting notice until another comes, a passing one for some seconds.
    void tell(const QString& text, bool lasting);
    // A passing notice goes at once, where what it said is done with; a lasting one stays.
    void pass();
    // Whatever it says goes.
    void clear_notice();

  private:
    QTimer passing_;
};

}  // namespace korru::view
