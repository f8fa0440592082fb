// SPDX-License-Identifier: MIT
// An option button told as a radio button: its role, checked state, name and press action. The
// notice told as an alert, named by its words.
#include "view/accessible.h"

#include <QAccessibleWidget>
#include <QRadioButton>

#include "view/notice.h"

namespace korru::view {

namespace {

class OptionButton : public QAccessibleWidget {
  public:
    explicit OptionButton(QRadioButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        return s;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return button()->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            button()->click();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

  private:
    QRadioButton* button() const { return static_cast<QRadioButton*>(widget()); }
};

class Alert : public QAccessibleWidget {
  public:
    explicit Alert(Notice* notice) : QAccessibleWidget(notice, QAccessible::AlertMessage) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return static_cast<Notice*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* told_otherwise(const QString&, QObject* object) {
    if (auto* button = qobject_cast<QRadioButton*>(object)) return new OptionButton(button);
    if (auto* notice = qobject_cast<Notice*>(object)) return new Alert(notice);
    return nullptr;
}

}  // namespace

void install_accessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(told_otherwise);
        return true;
    }();
    (void)installed;
}

}  // namespace korru::view
