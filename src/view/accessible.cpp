// SPDX-License-Identifier: MIT
// An option button told as a radio button: its role, checked state, name and press action.
#include "view/accessible.h"

#include <QAccessibleWidget>
#include <QRadioButton>

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

QAccessibleInterface* option_buttons(const QString&, QObject* object) {
    auto* button = qobject_cast<QRadioButton*>(object);
    return button ? new OptionButton(button) : nullptr;
}

}  // namespace

void install_accessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(option_buttons);
        return true;
    }();
    (void)installed;
}

}  // namespace korru::view
