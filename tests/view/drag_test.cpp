// SPDX-License-Identifier: MIT
// Dragging the candle on the bench, with the mouse and with a finger: it moves by the arrow
// clicks that bring it under the pointer, none at a limit; the scene is told once, where it is
// let go; the pointer shows where it can be taken.
#include <QMenu>
#include <QPointingDevice>
#include <QSignalSpy>
#include <QTimer>
#include <array>

#include "support.h"
#include "view/bench_widget.h"

namespace korru {
namespace {

using test::pixel_of;

// How a drag is made and ends: by the mouse or a finger let go, by the touch cancelled, or by
// another window taking the mouse before it is let go.
enum class Pointer { mouse, finger, cancelled, lost };

void PrintTo(Pointer p, std::ostream* os) {
    *os << std::array{"mouse", "finger", "cancelled", "lost"}[static_cast<std::size_t>(p)];
}

class Drag : public test::ViewTest, public testing::WithParamInterface<Pointer> {
  protected:
    QPoint candle() const {
        const Item& c = model[Window::ids::source];
        return bench->contentsRect().topLeft() +
               QPoint(pixel_of(c.left + c.width / 2), pixel_of(c.top + c.height / 2));
    }
    QPoint steps(int across, int down) const {
        return {pixel_of(across * model.bench.step), pixel_of(down * model.bench.step)};
    }
    Qt::CursorShape pointer() const { return bench->cursor().shape(); }

    // Presses at `from`, moves a pixel at a time straight to `to` and ends the drag there;
    // returns how often the bench's description changed on the way.
    int drag(Pointer by, QPoint from, QPoint to) {
        const QString told = bench->accessibleDescription();
        const bool mouse = by == Pointer::mouse || by == Pointer::lost;
        const int n = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
        int changes = 0;
        mouse ? QTest::mousePress(bench, Qt::LeftButton, {}, from)
              : void(QTest::touchEvent(bench, finger).press(0, from, bench));
        for (int i = 1; i <= n; ++i) {
            const QPoint p = from + (to - from) * i / n;
            mouse ? QTest::mouseMove(bench, p)
                  : void(QTest::touchEvent(bench, finger).move(0, p, bench));
            changes += bench->accessibleDescription() != told;
        }
        if (by == Pointer::mouse) QTest::mouseRelease(bench, Qt::LeftButton, {}, to);
        if (by == Pointer::finger) QTest::touchEvent(bench, finger).release(0, to, bench);
        if (by == Pointer::cancelled) {
            QTouchEvent cancel(QEvent::TouchCancel, finger);
            QApplication::sendEvent(bench, &cancel);
        }
        if (by == Pointer::lost) {
            auto other = std::make_unique<QWidget>();
            other->show();
            other->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(other.get(), test::kPatience));
            QTest::mouseMove(bench, from);  // not followed: the drag has ended
            other.reset();
            view->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(view.get(), test::kPatience));
        }
        return changes;
    }

    view::BenchWidget* bench = widget<view::BenchWidget>("work");
    QSignalSpy clicks{bench, &view::BenchWidget::dragged};  // handed to the window to deliver
    std::unique_ptr<QPointingDevice> touchscreen{QTest::createTouchDevice()};
    QPointingDevice* finger = touchscreen.get();
};

// Three steps towards the lens and two up are the clicks mr mr mr mu mu, and the state they
// give; the new scene is told once, when the drag ends. Far past the bench's top left corner
// the candle waits at its limits, and no click is spent there.
TEST_P(Drag, BringsTheCandleByTheArrowClicksUpToItsLimits) {
    Window reference = test::started();
    for (Click c : {Click::mr, Click::mr, Click::mr, Click::mu, Click::mu}) click(reference, c);
    const QString before = bench->accessibleDescription();
    EXPECT_EQ(drag(GetParam(), candle(), candle() + steps(3, -2)), 0) << "told on the way";
    EXPECT_NE(bench->accessibleDescription(), before);
    EXPECT_EQ(clicks.count(), 5);
    test::expect_same(model, reference);

    int needed = 5;
    for (Click c : {Click::ml, Click::mu}) {
        for (; moves_candle(reference, c); ++needed) click(reference, c);
    }
    drag(GetParam(), candle(), candle() - QPoint(bench->width(), bench->height()));
    EXPECT_EQ(clicks.count(), needed);
    test::expect_same(model, reference);
}

INSTANTIATE_TEST_SUITE_P(Pointers, Drag,
                         testing::Values(Pointer::mouse, Pointer::finger, Pointer::cancelled,
                                         Pointer::lost),
                         testing::PrintToStringParamName());

// An open hand over the candle, its label and a fingertip's square around it, a closed one
// while it is held, the arrow elsewhere; a press there, or a right press on the candle (which
// opens the bench's menu), takes nothing.
TEST_F(Drag, ThePointerShowsWhereTheCandleCanBeTaken) {
    const Item& label = model[Window::ids::source_label];
    const QPoint on_label = candle() + QPoint(pixel_of(label.left - model.source().left), 0);
    // A fingertip's target, 44 pixels wide, for the mouse as for a finger.
    for (QPoint p : {candle(), on_label, candle() + QPoint(21, 0), candle() + QPoint(23, 0)}) {
        QTest::mouseMove(bench, p);
        EXPECT_EQ(pointer(), p.x() - candle().x() < 23 ? Qt::OpenHandCursor : Qt::ArrowCursor);
    }
    drag(Pointer::mouse, candle() + QPoint(23, 0), candle() + steps(5, -5));
    QStringList menu;
    QTimer::singleShot(0, [&] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            for (const QAction* a : popup->actions()) menu << a->text();
            popup->close();
        }
    });
    QTest::mouseClick(view->windowHandle(), Qt::RightButton, {},
                      bench->mapTo(view.get(), candle()));
    EXPECT_EQ(menu.mid(0, 2), (QStringList{"絵をコピー", "絵を保存…"}));
    EXPECT_NE(pointer(), Qt::ClosedHandCursor);
    EXPECT_EQ(clicks.count(), 0);

    QTest::mousePress(bench, Qt::LeftButton, {}, candle());
    EXPECT_EQ(pointer(), Qt::ClosedHandCursor);
    QTest::mouseRelease(bench, Qt::LeftButton, {}, candle());
    EXPECT_EQ(pointer(), Qt::OpenHandCursor);
}

}  // namespace
}  // namespace korru
