// SPDX-License-Identifier: MIT
// A notice: a line of the window's words across the top of the bench, for what the user should
// know without having to answer it — a scene not understood, a notebook set aside, a row
// recorded. It asks for nothing and stops nothing: a click on it or Escape puts it away, and a
// passing notice goes by itself. A screen reader is told it as an alert, by its description, as
// the bench tells the scene.
#pragma once

#include <QLabel>
#include <QTimer>

namespace korru::view {

class Notice : public QLabel {
    Q_OBJECT

  public:
    explicit Notice(QWidget* parent);

    // Shows `text` inside `area` of the parent, over what lies there: a lasting notice until it
    // is put away or another comes, a passing one for some seconds.
    void tell(const QString& text, QRect area, bool lasting);
    // A passing notice goes at once, where what it said is done with; a lasting one stays.
    void pass();

  protected:
    void mousePressEvent(QMouseEvent* e) override;

  private:
    QTimer passing_;
};

}  // namespace korru::view
