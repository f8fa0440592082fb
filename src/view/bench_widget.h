// SPDX-License-Identifier: MIT
// The bench area `work`: a dark drawing surface inside a thin sunken border. The surface is the
// bench's coordinate space, its origin just inside the border. The mouse or a finger takes the
// candle there and drags it; the widget turns the drag into the arrow clicks that bring the
// candle under the pointer, for the window to deliver as it delivers every click. In the
// experiment it takes the pupil's screen the same way, and drags it along the axis by the
// screen's steps. It shows the bench as the session's lesson does, painted for the device pixels
// it lands on: while a prediction is asked for, a press that takes nothing puts the mark.
#pragma once

#include <QFrame>
#include <QTouchEvent>
#include <optional>

#include "commands/drag.h"
#include "lesson/screen_grip.h"
#include "lesson/session.h"

namespace korru::view {

class BenchWidget : public QFrame {
    Q_OBJECT

  public:
    // Shows `session`'s bench; the session must outlive the widget.
    BenchWidget(Session& session, QWidget* parent);

    // While the candle or the pupil's screen is held by the mouse or a finger.
    bool dragging() const { return grip_.held() || screen_.held(); }
    // The model has changed: repaints, and shows what the mouse resting on the bench may do now.
    void show_scene();
    // Nothing can be taken any more (after a run-time error); what is held is let go silently.
    void stop_taking();

  Q_SIGNALS:
    // An arrow click of a drag of the candle.
    void dragged(korru::Click c);
    // A step of a drag of the pupil's screen: screen_r or screen_l.
    void screen_dragged(korru::LessonClick c);
    // The drag has ended: released, its touch cancelled, or the pointer lost to another window.
    void dropped();
    // A press let go where it was made, where the pupil expects the image's tip, while a
    // prediction is asked for.
    void marked(korru::BenchPoint p);

  protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void hideEvent(QHideEvent* e) override;

  private:
    enum class Hand { none, mouse, touch };

    BenchPoint on_bench(QPointF widget_px) const;
    bool may_take() const;
    bool may_take_at(QPointF at) const;
    bool take(QPointF at, Hand hand);
    void follow(QPointF at);
    void drop();
    void show_pointer();
    bool touch(QTouchEvent* e);

    Session& session_;
    const Window& model_;
    CandleGrip grip_;
    ScreenGrip screen_;
    Hand hand_ = Hand::none;             // what holds the candle or the screen
    int finger_ = -1;                    // the touch point that holds it
    bool taking_ = true;                 // false after a run-time error
    std::optional<QPointF> resting_;     // the mouse over the bench, in widget pixels
    std::optional<QPointF> mark_press_;  // a press that puts the mark where it is let go
};

}  // namespace korru::view
