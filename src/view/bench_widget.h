// SPDX-License-Identifier: MIT
// The bench area `work`: a dark drawing surface inside a thin sunken border. The surface is the
// bench's coordinate space, its origin just inside the border.
#pragma once

#include <QFrame>

#include "window/window.h"

namespace korru::view {

class BenchWidget : public QFrame {
    Q_OBJECT

  public:
    BenchWidget(const Window& model, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const Window& model_;
};

}  // namespace korru::view
