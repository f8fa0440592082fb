// SPDX-License-Identifier: MIT
// The bench area paints the model's bench items and then its own border over them.
#include "view/bench_widget.h"

#include <QPainter>

#include "view/bench_painter.h"

namespace korru::view {

BenchWidget::BenchWidget(const Window& model, QWidget* parent) : QFrame(parent), model_(model) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BenchWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect surface = contentsRect();
    p.save();
    p.setClipRect(surface);
    p.translate(surface.topLeft());
    paint_bench(p, model_);
    p.restore();
    drawFrame(&p);
}

}  // namespace korru::view
