// SPDX-License-Identifier: MIT
// The lesson bar's buttons, in rows as many as the window's width needs, and its sentence.
#include "view/lesson_bar_view.h"

#include <QLabel>
#include <QLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidgetItem>
#include <algorithm>
#include <vector>

#include "view/fonts.h"
#include "view/language.h"

namespace korru::view {

namespace {

// The bar's words, in pixels: readable from the back of a class; and the least side of a button,
// above the 24 pixels a finger needs.
constexpr int kBarFontPixels = 16;
constexpr int kLeastSide = 36;

// Buttons side by side, on as many rows as the width needs: the bar has four buttons while the
// lesson observes and nine in the experiment.
class RowsLayout : public QLayout {
  public:
    explicit RowsLayout(QWidget* parent) : QLayout(parent) { setContentsMargins(0, 0, 0, 0); }
    ~RowsLayout() override {
        for (QLayoutItem* item : items_) delete item;
    }

    void addItem(QLayoutItem* item) override { items_.push_back(item); }
    int count() const override { return static_cast<int>(items_.size()); }
    QLayoutItem* itemAt(int i) const override {
        return i >= 0 && i < count() ? items_[static_cast<std::size_t>(i)] : nullptr;
    }
    QLayoutItem* takeAt(int i) override {
        if (i < 0 || i >= count()) return nullptr;
        QLayoutItem* item = items_[static_cast<std::size_t>(i)];
        items_.erase(items_.begin() + i);
        return item;
    }
    // Puts `w`, one of this layout's widgets, at `at` among them.
    void move_widget(QWidget* w, int at) {
        const auto found = std::find_if(items_.begin(), items_.end(),
                                        [w](QLayoutItem* item) { return item->widget() == w; });
        if (found == items_.end()) return;
        QLayoutItem* item = *found;
        items_.erase(found);
        items_.insert(items_.begin() + std::min(at, count()), item);
        invalidate();
    }

    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return arrange(QRect(0, 0, width, 0), false); }
    QSize sizeHint() const override { return minimumSize(); }
    QSize minimumSize() const override {
        QSize least;
        for (const QLayoutItem* item : items_) {
            if (!item->isEmpty()) least = least.expandedTo(item->minimumSize());
        }
        return least;
    }
    void setGeometry(const QRect& r) override {
        QLayout::setGeometry(r);
        arrange(r, true);
    }

  private:
    // Lays the items out in `r` (or only measures), and returns the height they take.
    int arrange(const QRect& r, bool place) const {
        const int gap = spacing() >= 0 ? spacing() : 6;
        int x = r.x(), y = r.y(), row = 0;
        for (QLayoutItem* item : items_) {
            if (item->isEmpty()) continue;
            const QSize size = item->sizeHint();
            if (x > r.x() && x + size.width() > r.right() + 1) {
                x = r.x();
                y += row + gap;
                row = 0;
            }
            if (place) item->setGeometry(QRect(QPoint(x, y), size));
            x += size.width() + gap;
            row = std::max(row, size.height());
        }
        return y + row - r.y();
    }

    std::vector<QLayoutItem*> items_;
};

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
        b->setAccessibleDescription(why);
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
