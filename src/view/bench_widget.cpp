// SPDX-License-Identifier: MIT
// The bench area paints the lesson's bench and then its own border over them, and lets the mouse
// or a finger drag the candle, and in the experiment the pupil's screen.
#include "view/bench_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <utility>

#include "lesson/bench_pointer.h"
#include "view/bench_painter.h"
#include "view/twips.h"

namespace korru::view {

namespace {

// How far around the candle and across the pupil's screen a press takes them, in twips.
constexpr float kReach = kGripReachPixels * kTwipsPerPixel;

// Device pixels to a pixel where `p` paints: the window's screen's, or a picture's the bench is
// rendered into. The light on the pupil's screen is computed for it, so that it lands one to one
// on the device pixels.
double device_ratio(const QPainter& p, const QWidget& w) {
    const QTransform& t = p.deviceTransform();
    if (t.type() <= QTransform::TxScale && t.m11() == t.m22() && t.m11() > 0) return t.m11();
    return w.devicePixelRatioF();
}

}  // namespace

BenchWidget::BenchWidget(Session& session, QWidget* parent)
    : QFrame(parent), session_(session), model_(session.window()) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_AcceptTouchEvents);
    setMouseTracking(true);
}

void BenchWidget::show_scene() {
    update();
    show_pointer();
}

void BenchWidget::stop_taking() {
    taking_ = false;
    grip_.release();
    screen_.release();
    hand_ = Hand::none;
    show_pointer();
}

void BenchWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect surface = contentsRect();
    p.save();
    p.setClipRect(surface);
    p.translate(surface.topLeft());
    paint_drawing(p, session_.bench_drawing(device_ratio(p, *this)));
    p.restore();
    drawFrame(&p);
}

BenchPoint BenchWidget::on_bench(QPointF widget_px) const {
    return twips_point(widget_px - contentsRect().topLeft());
}

bool BenchWidget::may_take() const {
    return taking_ && !model_.unloaded;
}

// Close to the lens, where a press could take either, it takes the candle.
bool BenchWidget::take(QPointF at, Hand hand) {
    if (dragging() || !may_take()) return false;
    const BenchPoint p = on_bench(at);
    if (!grip_.press(model_, p, kReach) &&
        !screen_.press(model_, session_.experiment(), p, kReach)) {
        return false;
    }
    hand_ = hand;
    show_pointer();
    return true;
}

void BenchWidget::follow(QPointF at) {
    // A run-time error on the way lets go; the clicks or steps left are not delivered.
    grip_.follow(model_, on_bench(at), [this](Click c) {
        if (grip_.held()) Q_EMIT dragged(c);
    });
    screen_.follow(model_, session_.experiment(), on_bench(at), [this](LessonClick c) {
        if (screen_.held()) Q_EMIT screen_dragged(c);
    });
}

void BenchWidget::drop() {
    if (!dragging()) return;
    grip_.release();
    screen_.release();
    hand_ = Hand::none;
    show_pointer();
    Q_EMIT dropped();
}

bool BenchWidget::may_take_at(QPointF at) const {
    const BenchPoint p = on_bench(at);
    return may_take() && (takes_candle(model_, p, kReach) ||
                          takes_screen(model_, session_.experiment(), p, kReach));
}

// An open hand where a press would take the candle or the screen, a closed one while one is
// held; a cross where a press would put the mark.
void BenchWidget::show_pointer() {
    if (dragging()) {
        setCursor(Qt::ClosedHandCursor);
    } else if (resting_ && may_take_at(*resting_)) {
        setCursor(Qt::OpenHandCursor);
    } else if (may_take() && resting_ && session_.prediction().asked()) {
        setCursor(Qt::CrossCursor);
    } else {
        unsetCursor();
    }
}

void BenchWidget::mousePressEvent(QMouseEvent* e) {
    resting_ = e->position();
    if (e->button() == Qt::LeftButton && take(e->position(), Hand::mouse)) return;
    mark_press_.reset();
    if (e->button() == Qt::LeftButton && may_take() && session_.prediction().asked()) {
        mark_press_ = e->position();  // a mark where it is let go
        return;
    }
    QFrame::mousePressEvent(e);
}

void BenchWidget::mouseMoveEvent(QMouseEvent* e) {
    resting_ = e->position();
    if (hand_ != Hand::mouse) {
        show_pointer();
    } else if (e->buttons() & Qt::LeftButton) {
        follow(e->position());
    } else {
        drop();  // released where the bench did not hear it
    }
}

void BenchWidget::mouseReleaseEvent(QMouseEvent* e) {
    resting_ = e->position();
    if (hand_ == Hand::mouse && e->button() == Qt::LeftButton) {
        drop();
        return;
    }
    if (mark_press_ && e->button() == Qt::LeftButton) {
        const QPointF moved = e->position() - *std::exchange(mark_press_, std::nullopt);
        if (may_take() && puts_mark(moved.x(), moved.y())) Q_EMIT marked(on_bench(e->position()));
        return;
    }
    QFrame::mouseReleaseEvent(e);
}

void BenchWidget::leaveEvent(QEvent* e) {
    resting_.reset();
    show_pointer();
    QFrame::leaveEvent(e);
}

void BenchWidget::hideEvent(QHideEvent* e) {
    drop();
    QFrame::hideEvent(e);
}

// A finger takes the candle or the screen as the mouse does. A touch that does not take it is left
// to become mouse events, for whatever else the bench does with a press.
bool BenchWidget::touch(QTouchEvent* e) {
    if (e->type() == QEvent::TouchBegin) {
        const QEventPoint& first = e->points().first();
        if (!take(first.position(), Hand::touch)) return false;
        finger_ = first.id();
        return true;
    }
    if (hand_ != Hand::touch) return false;
    if (e->type() == QEvent::TouchCancel) {
        drop();
        return true;
    }
    for (const QEventPoint& point : e->points()) {
        if (point.id() != finger_) continue;
        follow(point.position());
        if (point.state() == QEventPoint::Released) drop();
    }
    if (e->type() == QEvent::TouchEnd) drop();
    return true;
}

bool BenchWidget::event(QEvent* e) {
    switch (e->type()) {
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
            if (touch(static_cast<QTouchEvent*>(e))) {
                e->accept();
                return true;
            }
            break;
        case QEvent::WindowDeactivate:
            drop();  // another window has the pointer now
            break;
        default:
            break;
    }
    return QFrame::event(e);
}

}  // namespace korru::view
