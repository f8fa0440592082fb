// SPDX-License-Identifier: MIT
// Buttons side by side, on as many rows as the width needs: the lesson bar has four buttons while
// the lesson observes and nine in the experiment, and the notebook's rows of buttons wrap in a
// narrow column beside the bench.
#pragma once

#include <QLayout>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace korru::view {

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

}  // namespace korru::view
