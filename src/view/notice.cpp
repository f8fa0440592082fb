// SPDX-License-Identifier: MIT
// The notice's look, its place and how long it stays.
#include "view/notice.h"

#include <QAccessible>
#include <QMouseEvent>

namespace korru::view {

namespace {

// Pixels between the notice and the edges of its area, and how long a passing notice stays.
constexpr int kMargin = 6;
constexpr int kPassingMs = 8000;

}  // namespace

Notice::Notice(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("notice"));
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setMargin(4);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0xFF, 0xF6, 0xC8));
    palette.setColor(QPalette::WindowText, QColor(0x20, 0x20, 0x20));
    setPalette(palette);
    passing_.setSingleShot(true);
    connect(&passing_, &QTimer::timeout, this, &QWidget::hide);
    hide();
}

void Notice::tell(const QString& text, QRect area, bool lasting) {
    setText(text);
    const int width = std::max(area.width() - 2 * kMargin, 1);
    setGeometry(area.left() + kMargin, area.top() + kMargin, width, heightForWidth(width));
    raise();
    show();
    if (lasting) {
        passing_.stop();
    } else {
        passing_.start(kPassingMs);
    }
    // Told once for each notice, the same words again too.
    if (accessibleDescription() != text) {
        setAccessibleDescription(text);
    } else {
        QAccessibleEvent again(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&again);
    }
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void Notice::pass() {
    if (passing_.isActive()) hide();
}

void Notice::mousePressEvent(QMouseEvent* e) {
    hide();
    e->accept();
}

}  // namespace korru::view
