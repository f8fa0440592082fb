// SPDX-License-Identifier: MIT
// The lesson bar's buttons, in rows as many as the window's width needs, and its sentence.
#include "view/lesson_bar_view.h"

#include <QLabel>
#include <QLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "view/fonts.h"
#include "view/language.h"
#include "view/rows_layout.h"

namespace korru::view {

namespace {

// The bar's words, in pixels: readable from the back of a class; and the least side of a button,
// above the 24 pixels a finger needs.
constexpr int kBarFontPixels = 16;
constexpr int kLeastSide = 36;

}  // namespace

QString bar_button_name(LessonAction action) {
    switch (action) {
        case LessonAction::predict:
            return QStringLiteral("bar_predict");
        case LessonAction::show_answer:
            return QStringLiteral("bar_answer");
        case LessonAction::record:
            return QStringLiteral("bar_record");
        case LessonAction::open_notebook:
            return QStringLiteral("bar_notebook");
        case LessonAction::next:
            return QStringLiteral("bar_next");
        case LessonAction::leave:
            return QStringLiteral("bar_leave");
        case LessonAction::experiment:
            return QStringLiteral("bar_experiment");
        case LessonAction::screen_l:
            return QStringLiteral("bar_screen_l");
        case LessonAction::screen_r:
            return QStringLiteral("bar_screen_r");
        case LessonAction::cover_upper:
            return QStringLiteral("bar_cover_upper");
        case LessonAction::cover_lower:
            return QStringLiteral("bar_cover_lower");
    }
    return {};
}

LessonBarView::LessonBarView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("lesson_bar"));
    setAccessibleName(translated(kCaptions.lesson_bar));
    QFont font = window_font();
    font.setPixelSize(kBarFontPixels);
    setFont(font);
    auto* buttons = new QWidget(this);
    buttons->installEventFilter(this);
    buttons_ = new RowsLayout(buttons);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("bar_status"));
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buttons);
    layout->addWidget(status_);
}

bool LessonBarView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease) return false;
    const auto* release = static_cast<QMouseEvent*>(event);
    const QWidget* at = static_cast<QWidget*>(watched)->childAt(release->position().toPoint());
    for (const auto& [action, b] : made_) {
        if (b == at && !b->isEnabled() && b->isVisible() && release->button() == Qt::LeftButton) {
            Q_EMIT acted(action);
            return true;
        }
    }
    return false;
}

QPushButton* LessonBarView::button(LessonAction action) const {
    const auto found = made_.find(action);
    return found != made_.end() && !found->second->isHidden() ? found->second : nullptr;
}

void LessonBarView::show_bar(const LessonBar& bar, bool notebook_shown) {
    for (auto& [action, b] : made_) b->hide();
    int at = 0;
    for (const BarButton& shown : bar.buttons) {
        QPushButton*& b = made_[shown.action];
        if (!b) {
            b = new QPushButton(buttons_->parentWidget());
            buttons_->addWidget(b);
            b->setObjectName(bar_button_name(shown.action));
            b->setAutoDefault(false);
            b->setMinimumSize(kLeastSide, kLeastSide);
            // Only what a click does changes the mode; the button shows it as the bar says.
            connect(b, &QPushButton::clicked, this,
                    [this, action = shown.action] { Q_EMIT acted(action); });
        }
        const bool pressed =
            shown.pressed || (shown.action == LessonAction::open_notebook && notebook_shown);
        b->setText(QString::fromStdString(shown.caption));
        b->setEnabled(shown.enabled);
        const QString why = QString::fromStdString(shown.why_not);
        b->setToolTip(why);
        // Setting it announces it: only a new one.
        if (b->accessibleDescription() != why) b->setAccessibleDescription(why);
        b->setCheckable(pressed);
        b->setChecked(pressed);
        static_cast<RowsLayout*>(buttons_)->move_widget(b, at++);
        b->show();
    }
    const QString status = QString::fromStdString(bar.status);
    if (status_->text() != status) {
        status_->setText(status);
        status_->setAccessibleDescription(status);
    }
    // The rows of buttons may be more or fewer now: the window measures them again (each
    // widget keeps its height for a width until told).
    buttons_->invalidate();
    buttons_->parentWidget()->updateGeometry();
    updateGeometry();
}

}  // namespace korru::view
