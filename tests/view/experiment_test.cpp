// SPDX-License-Identifier: MIT
// The experiment in the window: the pupil's screen moved by the lesson bar, the keys and a drag
// with the mouse or a finger is the snapshot tool's state for the same steps, told to the reader
// once it is let go; the screen at, before and beyond the image and half covered is the snapshot
// tool's picture, its light as wide and as bright as the lens law makes it, one to one on device
// pixels at twice the density; a scene of the experiment opens the program to the same state.
#include <QDeadlineTimer>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include "lesson/scene_text.h"
#include "support.h"
#include "view/bench_widget.h"
#include "view/notebook_window.h"
#include "view/program.h"

namespace korru {
namespace {

using test::pixel_of;
using test::rgb_at;

// The window as it starts, by hand: the candle 2 squares tall, 16 squares from a lens 6 squares
// tall of focal length 4, so its image is sharp b = 16 * 4 / 12 = 16/3 squares right of the
// lens, nearest the screen's 21st quarter square. The screen starts at the 40th.
constexpr double kCandle = 2, kDistance = 16, kLensHeight = 6, kImage = 16.0 / 3;
constexpr int kFirst = 40, kSharp = 21;
constexpr QRgb kCard = 0x686868;  // the pupil's screen, grey as in a darkened room

QByteArray snapshot(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(KORRU_SNAPSHOT), args);
    EXPECT_TRUE(p.waitForFinished(test::kPatience));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return p.readAllStandardOutput();
}

class Experiment : public test::ViewTest {
  protected:
    // Keys as typed in the bench's window, which takes the keyboard back where a click of the
    // lesson's bar gave it away.
    void key(Qt::Key k, int times = 1) {
        if (QApplication::activeWindow() != view.get()) {
            view->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(view.get(), test::kPatience));
        }
        for (int i = 0; i < times; ++i) QTest::keyClick(view->focusWidget(), k);
    }
    // The screen to the `quarters`th quarter square by the keys, from where it starts.
    void screen_to(int quarters) {
        key(quarters < kFirst ? Qt::Key_Comma : Qt::Key_Period, std::abs(quarters - kFirst));
    }
    void press_bar(const char* name) {
        auto* b = view->notebook_window()->findChild<QPushButton*>(name);
        ASSERT_TRUE(b && b->isVisible()) << name;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    // The middle of the screen at its `quarters`th place, two squares under the axis, in the
    // bench widget's pixels; and `n` quarter squares across in pixels.
    QPoint screen_at(int quarters) const {
        const BenchState& b = model.bench;
        return bench->contentsRect().topLeft() +
               QPoint(pixel_of(b.lensx + quarters * b.unit / 4), pixel_of(b.axisy + 2 * b.unit));
    }
    QPoint quarters(int n) const { return {pixel_of(n * model.bench.unit / 4), 0}; }
    QRect surface() const { return bench->contentsRect().translated(bench->pos()); }

    view::BenchWidget* bench = widget<view::BenchWidget>("work");
};

class ByEveryHand : public Experiment, public testing::WithParamInterface<bool> {
  protected:
    // With the mouse, or a finger: presses at `from`, moves a pixel at a time along the axis to
    // each point of `path` and lets go at the last; returns how often the bench's description
    // changed before it was let go.
    int drag(QPoint from, const std::vector<QPoint>& path) {
        const QString told = bench->accessibleDescription();
        const bool mouse = GetParam();
        int changes = 0;
        mouse ? QTest::mousePress(bench, Qt::LeftButton, {}, from)
              : void(QTest::touchEvent(bench, finger.get()).press(0, from, bench));
        EXPECT_TRUE(!mouse || bench->cursor().shape() == Qt::ClosedHandCursor);
        for (const QPoint to : path) {
            while (from.x() != to.x()) {
                from.rx() += to.x() > from.x() ? 1 : -1;
                mouse ? QTest::mouseMove(bench, from)
                      : void(QTest::touchEvent(bench, finger.get()).move(0, from, bench));
                changes += bench->accessibleDescription() != told;
            }
        }
        mouse ? QTest::mouseRelease(bench, Qt::LeftButton, {}, from)
              : void(QTest::touchEvent(bench, finger.get()).release(0, from, bench));
        return changes;
    }

    QSignalSpy steps{bench, &view::BenchWidget::screen_dragged};
    std::unique_ptr<QPointingDevice> finger{QTest::createTouchDevice()};
};

// E, the bar, the keys and a drag make the steps written here by hand, and the snapshot tool's
// state for them. Taken 5 pixels off its middle, the screen keeps that grip: dragged 7 quarter
// squares towards the lens and 2 back, it moves by 9 steps to 8.75 squares, said once when it
// is let go; far beyond the bench's edge it waits at its last place, 20 squares right of the lens.
TEST_P(ByEveryHand, MakesTheSnapshotToolsStepsAndTellsWhereTheScreenStands) {
    key(Qt::Key_E);
    press_bar("bar_screen_l");
    press_bar("bar_screen_l");
    key(Qt::Key_Period, 3);
    key(Qt::Key_Comma);
    ASSERT_EQ(session.experiment().quarters, kFirst);
    QTest::mouseMove(bench, screen_at(kFirst) + QPoint(10, 0));
    EXPECT_EQ(bench->cursor().shape(), Qt::OpenHandCursor);
    QTest::mouseMove(bench, screen_at(kFirst) - QPoint(40, 0));
    EXPECT_EQ(bench->cursor().shape(), Qt::ArrowCursor);

    const QPoint taken = screen_at(kFirst) + QPoint(5, 0);
    EXPECT_EQ(drag(taken, {taken - quarters(7), taken - quarters(5)}), 0) << "told on the way";
    EXPECT_EQ(steps.count(), 9);
    const QString told = bench->accessibleDescription();
    EXPECT_TRUE(
        told.contains("スクリーンはレンズの右 8.75 マス の所にあります。 スクリーンの像は"
                      "ぼやけています。"))
        << told.toStdString();

    key(Qt::Key_U);
    press_bar("bar_cover_lower");
    key(Qt::Key_L);
    const std::string scene =
        "experiment.screen_l*2.screen_r*3.screen_l*8.screen_r*2.cover_upper.cover_lower*2";
    EXPECT_EQ(scene_text(session.steps()), scene);
    const QByteArray json = snapshot({"--json", "-", "--scene", QString::fromStdString(scene)});
    EXPECT_TRUE(json.contains(R"("lesson":{"experiment":true,)")) << json.data();
    EXPECT_EQ(QByteArray::fromStdString(session.json()), json);

    steps.clear();
    drag(screen_at(35), {screen_at(35) + QPoint(bench->width(), 0)});
    EXPECT_EQ(steps.count(), 80 - 35);
    EXPECT_TRUE(bench->accessibleDescription().contains("レンズの右 20 マス の所"));
}

INSTANTIATE_TEST_SUITE_P(Pointers, ByEveryHand, testing::Values(true, false),
                         [](const auto& info) { return info.param ? "mouse" : "finger"; });

struct Place {
    const char* name;
    int quarters;  // where the screen stands
    bool covered;  // the lens's upper half
};

void PrintTo(const Place& p, std::ostream* os) {
    *os << p.name;
}

// The light on the card, off its outline and the axis across it: the rows it reaches, and how
// much there is. The light's alpha is the root of the light that falls on a pixel, so a pixel's
// squared distance from the card's colour is its light, weighted by the picture's contrast.
struct Light {
    int first = -1, last = -1;
    double sum = 0, peak = 0;
};

class Pictures : public Experiment, public testing::WithParamInterface<Place> {
  protected:
    Light light(const QImage& bench_picture, int quarters) const {
        const BenchState& b = model.bench;
        const double middle = b.lensx + quarters * b.unit / 4;
        const double half = model[Window::ids::screen_card].width / 2;
        Light l;
        for (int y = 1; y < bench_picture.height() - 1; ++y) {
            for (int x = pixel_of(middle - half) + 2; x < pixel_of(middle + half) - 2; ++x) {
                const QRgb c = rgb_at(bench_picture, {x, y});
                const double d = std::pow(qRed(c) - qRed(kCard), 2) +
                                 std::pow(qGreen(c) - qGreen(kCard), 2) +
                                 std::pow(qBlue(c) - qBlue(kCard), 2);
                if (d == 0 || y == pixel_of(b.axisy)) continue;
                l.first = l.first < 0 ? y : l.first;
                l.last = y;
                l.sum += d;
                l.peak = std::max(l.peak, d);
            }
        }
        return l;
    }
    QImage snapshot_of(int quarters, bool covered) {
        QString scene = "experiment";
        if (quarters != kFirst) {
            scene += QString(quarters < kFirst ? ".screen_l*%1" : ".screen_r*%1")
                         .arg(std::abs(quarters - kFirst));
        }
        const QString png = dir.filePath("w.png");
        snapshot({"--scene", covered ? scene + ".cover_upper" : scene, "--png", png});
        return QImage(png).convertToFormat(QImage::Format_RGB32).copy(surface());
    }

    QTemporaryDir dir;
};

// The window's bench is the snapshot tool's picture for the same steps. Its light spans the
// image's height (x/a of the candle's) and the blur's (the lens's height times |1 - x/b|), to 3
// pixels: sharp at b, wider and fainter either side; half covered, the same rows at half the
// light.
TEST_P(Pictures, AreTheSnapshotToolsAndTheLightFollowsTheLensLaw) {
    const Place& place = GetParam();
    key(Qt::Key_E);
    screen_to(place.quarters);
    if (place.covered) key(Qt::Key_U);
    const QImage shown = view->bench_picture();
    EXPECT_EQ(snapshot_of(place.quarters, place.covered), shown);

    const Light l = light(shown, place.quarters), sharp = light(snapshot_of(kSharp, false), kSharp);
    const double x = place.quarters / 4.0;
    const double rows = kCandle * x / kDistance + kLensHeight * std::fabs(1 - x / kImage);
    EXPECT_NEAR(l.last - l.first + 1, rows * model.bench.unit / kTwipsPerPixel, 3);
    if (place.covered) {
        EXPECT_NEAR(l.sum / sharp.sum, 0.5, 0.08);
    } else if (place.quarters != kSharp) {
        EXPECT_GT(l.last - l.first, sharp.last - sharp.first + 10);
        EXPECT_LT(l.peak, sharp.peak / 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, Pictures,
                         testing::Values(Place{"at_the_image", kSharp, false},
                                         Place{"before_it", 16, false},
                                         Place{"beyond_it", 28, false},
                                         Place{"half_covered", kSharp, true}),
                         testing::PrintToStringParamName());

// At twice the density the light is worked out for the device pixels: each device pixel of its
// box shows one of the lesson's light pixels over the card, none stretched over two.
TEST_F(Experiment, AtTwiceTheDensityTheLightLandsOneToOneOnDevicePixels) {
    key(Qt::Key_E);
    screen_to(kSharp);
    QImage image(bench->size() * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    bench->render(&image);
    const Drawing& drawing = session.bench_drawing(2);
    const auto found = std::find_if(drawing.begin(), drawing.end(), [](const Primitive& p) {
        return std::holds_alternative<Raster>(p);
    });
    ASSERT_NE(found, drawing.end());
    const Raster& light = std::get<Raster>(*found);
    const QPoint at = (bench->contentsRect().topLeft() +
                       QPoint(pixel_of(light.box.left), pixel_of(light.box.top))) *
                      2;
    ASSERT_EQ(QSize(light.pixels->width, light.pixels->height),
              QSize(pixel_of(light.box.width), pixel_of(light.box.height)) * 2);
    const int axis = (bench->contentsRect().top() + pixel_of(model.bench.axisy)) * 2;
    int off = 0;
    for (int y = 0; y < light.pixels->height; ++y) {
        for (int x = 0; at.y() + y != axis && at.y() + y != axis + 1 && x < light.pixels->width;
             ++x) {
            const auto* px = &light.pixels->bytes[std::size_t(y * light.pixels->width + x) * 4];
            const double a = px[3] / 255.0;
            const QRgb c = rgb_at(image, at + QPoint(x, y));
            const double card = qRed(kCard);
            off += std::abs(qRed(c) - (px[0] * a + card * (1 - a))) > 1.5 ||
                   std::abs(qGreen(c) - (px[1] * a + card * (1 - a))) > 1.5 ||
                   std::abs(qBlue(c) - (px[2] * a + card * (1 - a))) > 1.5;
        }
    }
    EXPECT_EQ(off, 0) << "device pixels that are not the light's";
}

class Opens : public testing::TestWithParam<std::pair<QSize, const char*>> {};

// korru given a scene of the experiment's steps (its text, or the page's link on another screen)
// opens to the snapshot tool's state for it on that screen.
TEST_P(Opens, ToTheSnapshotToolsStateForAScene) {
    const auto& [screen, given] = GetParam();
    // The window as it opens is read and closed; one that never opens ends the run at the
    // deadline, failing the test instead of hanging it.
    std::string opened;
    QTimer poll;
    const QDeadlineTimer deadline(test::kPatience);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* main = qobject_cast<view::MainWindow*>(top); main && main->isVisible()) {
                opened = main->session().json();
                main->close();
                return;
            }
        }
        if (deadline.hasExpired()) QApplication::exit(99);
    });
    poll.start(10);
    Window model;
    view::Start start;
    start.scene = given;
    const ScreenSize size = ScreenSize::from_pixels(screen.width(), screen.height());
    EXPECT_EQ(view::run_program(model, size, start), 0);
    view::use_language(QLocale::Japanese);
    const QByteArray json =
        snapshot({"--screen", QString("%1x%2").arg(screen.width()).arg(screen.height()), "--json",
                  "-", "--scene", "kosen.experiment.screen_l*9.cover_lower.mr*3.screen_r"});
    EXPECT_TRUE(json.contains(R"("lesson":{"experiment":true,)")) << json.data();
    EXPECT_EQ(QByteArray::fromStdString(opened), json);
}

INSTANTIATE_TEST_SUITE_P(
    Scenes, Opens,
    testing::Values(std::pair(QSize(1024, 768),
                              "kosen.experiment.screen_l*9.cover_lower.mr*3.screen_r"),
                    std::pair(QSize(1366, 1024),
                              "https://school.example/korru/"
                              "korru.html#kosen.experiment.screen_l*9.cover_lower.mr*3.screen_r")),
    [](const auto& info) { return info.index == 0 ? "text" : "link_on_another_screen"; });

}  // namespace
}  // namespace korru
