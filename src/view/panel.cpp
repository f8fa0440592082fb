// SPDX-License-Identifier: MIT
// The frame runs through the middle of the caption's line; the caption sits on the window's
// background a little in from the left.
#include "view/panel.h"

#include <qdrawutil.h>

#include <QPainter>

namespace korru::view {

namespace {
constexpr int kCaptionIndent = 6;  // pixels from the left edge to the caption's background
constexpr int kCaptionPad = 2;     // background either side of the caption
}  // namespace

Panel::Panel(const QString& caption, QColor caption_colour, QWidget* parent)
    : QGroupBox(caption, parent), caption_colour_(caption_colour) {}

void Panel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QFontMetrics metrics = fontMetrics();
    const int edge = metrics.height() / 2;
    qDrawShadeRect(&p, QRect(0, edge, width(), height() - edge), palette(), true, 1, 0);
    if (title().isEmpty()) return;
    const QRect caption(kCaptionIndent, 0, metrics.horizontalAdvance(title()) + 2 * kCaptionPad,
                        metrics.height());
    p.fillRect(caption, palette().window());
    p.setPen(caption_colour_.isValid() ? caption_colour_ : palette().color(QPalette::WindowText));
    p.drawText(caption, Qt::AlignCenter, title());
}

}  // namespace korru::view
