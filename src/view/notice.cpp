// SPDX-License-Identifier: MIT
// The notice's look and how long it stays.
#include "view/notice.h"

#include <QAccessible>

#include "lesson/notebook_keeper.h"

namespace korru::view {

Notice::Notice(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("notice"));
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setMargin(4);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // The line keeps its height while empty, so that nothing jumps when a notice comes.
    setMinimumHeight(2 * fontMetrics().height() + 2 * margin());
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    passing_.setSingleShot(true);
    connect(&passing_, &QTimer::timeout, this, &Notice::clear_notice);
}

void Notice::tell(const QString& text, bool lasting) {
    setText(text);
    if (lasting) {
        passing_.stop();
    } else {
        passing_.start(kPassingNoticeMilliseconds);
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
    if (passing_.isActive()) clear_notice();
}

void Notice::clear_notice() {
    passing_.stop();
    clear();
    setAccessibleDescription(QString());
}

}  // namespace korru::view
