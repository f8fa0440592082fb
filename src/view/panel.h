// SPDX-License-Identifier: MIT
// A panel: an etched frame whose caption, in its own colour, interrupts the frame's top edge.
#pragma once

#include <QColor>
#include <QGroupBox>

namespace korru::view {

class Panel : public QGroupBox {
    Q_OBJECT

  public:
    // An invalid colour: the palette's window-text colour.
    Panel(const QString& caption, QColor caption_colour, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor caption_colour_;
};

}  // namespace korru::view
