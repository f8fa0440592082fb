// SPDX-License-Identifier: MIT
// Timing of one paint of the whole bench with every overlay shown, beside a plain fill of the
// same area on the same kind of picture. The ratio of the two is what to compare between builds:
// the fill is the floor that no bench painter can go below on that machine. And a step of a drag
// of the candle, and of the pupil's screen in the experiment, from the pointer's move to the bench
// painted again, at twice the pixel density.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

#include "commands/commands.h"
#include "lesson/session.h"
#include "view/bench_painter.h"
#include "view/language.h"
#include "view/main_window.h"
#include "view/program.h"
#include "view/twips.h"

namespace {

using namespace korru;

// The window on a screen of w x h pixels with the screen, rays, focal points and grid shown.
Window everything_shown(int w, int h) {
    Window model;
    start_up(model, ScreenSize::from_pixels(w, h));
    for (Click c : {Click::kosen, Click::syoten, Click::hogan}) click(model, c);
    return model;
}

QImage surface(const Window& model) {
    return QImage(view::bench_size(model), QImage::Format_ARGB32_Premultiplied);
}

// Paints `paint(painter, model)` on a picture of the bench's size, over and over.
template <class Paint>
void paint_loop(benchmark::State& state, Paint paint) {
    const Window model =
        everything_shown(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    QImage image = surface(model);
    for (auto _ : state) {
        QPainter p(&image);
        paint(p, model);
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void PaintBench(benchmark::State& state) {
    paint_loop(state, [](QPainter& p, const Window& model) { view::paint_bench(p, model); });
}

void PlainFill(benchmark::State& state) {
    paint_loop(state, [](QPainter& p, const Window& model) {
        p.fillRect(QRect(QPoint(0, 0), view::bench_size(model)), QColor(0x40, 0x40, 0x40));
    });
}

// The mouse at `at` (pixels of the bench widget) with the left button `held` or let go.
void mouse(QWidget* bench, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    QMouseEvent e(type, at, bench->mapToGlobal(at),
                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(bench, &e);
}

// The times of the steps of a drag, in milliseconds, as counters: their median and 99th
// percentile, and the device pixels painted at each.
void report(benchmark::State& state, std::vector<double>& ms, const QImage& image) {
    std::sort(ms.begin(), ms.end());
    const auto at = [&](double q) { return ms[static_cast<std::size_t>(q * (ms.size() - 1))]; };
    state.counters["median_ms"] = at(0.5);
    state.counters["p99_ms"] = at(0.99);
    state.counters["device_px"] = image.width() * image.height();
}

// One step of a drag: the window on a screen of w x h pixels at a device pixel ratio of 2, every
// overlay shown, the candle held; the pointer moves a step one way and the next time back, and
// each move runs as in the program: the bench follows it with an arrow click through the window,
// which updates the model and every widget, and the bench is painted again whole. The time of
// each step is kept, for its median and its 99th percentile (counters, in milliseconds).
void DragStep(benchmark::State& state) {
    Window model;
    Session session(model, view::translated_utf8);
    session.start(
        ScreenSize::from_pixels(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))),
        {Click::kosen, Click::syoten, Click::hogan});
    view::MainWindow window(session);
    window.show();
    QWidget* bench = window.findChild<QWidget*>(QStringLiteral("work"));
    QImage image(bench->size() * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    const Item& candle = model[Window::ids::source];
    const QPoint taken = bench->contentsRect().topLeft() + view::px_rect(candle).center();
    const QPoint step(pixel_of(model.bench.step), 0);
    mouse(bench, QEvent::MouseButtonPress, taken, Qt::LeftButton);

    std::vector<double> ms;
    bool there = false;
    int moved = 0;
    for (auto _ : state) {
        const float before = model.bench.sdist;
        const auto start = std::chrono::steady_clock::now();
        there = !there;
        mouse(bench, QEvent::MouseMove, there ? taken + step : taken, Qt::LeftButton);
        bench->render(&image);
        const auto end = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(image.constBits());
        ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        moved += model.bench.sdist != before;
    }
    mouse(bench, QEvent::MouseButtonRelease, there ? taken + step : taken, Qt::NoButton);
    if (moved != static_cast<int>(ms.size())) state.SkipWithError("a move left the candle");
    report(state, ms, image);
}

// One step of a drag of the pupil's screen, as DragStep times the candle's: the experiment on,
// every overlay shown, the screen held; the pointer sweeps it a quarter square a move from its
// first place to the bench's right edge, back to the lens and on, so that the light on it is
// worked out at every place, sharp and blurred; each move is a step the window makes, and the
// bench painted again whole.
void ScreenDragStep(benchmark::State& state) {
    Window model;
    Session session(model, view::translated_utf8);
    session.start(
        ScreenSize::from_pixels(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))),
        {Click::kosen, Click::syoten, Click::hogan, LessonClick::experiment});
    view::MainWindow window(session);
    window.show();
    QWidget* bench = window.findChild<QWidget*>(QStringLiteral("work"));
    QImage image(bench->size() * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    const double quarter = model.bench.unit / 4 / kTwipsPerPixel;  // pixels
    const auto pointer = [&](int quarters) {
        const float x = model.bench.lensx + static_cast<float>(quarters) * model.bench.unit / 4;
        return bench->contentsRect().topLeft() +
               QPoint(pixel_of(x), pixel_of(model.bench.axisy + 2 * model.bench.unit));
    };
    const QPoint taken = pointer(Experiment::kFirst);
    mouse(bench, QEvent::MouseButtonPress, taken, Qt::LeftButton);

    std::vector<double> ms;
    int to = Experiment::kFirst, way = 1, moved = 0;
    for (auto _ : state) {
        if (to + way > Experiment::kFarthest || to + way < Experiment::kNearest) way = -way;
        to += way;
        const QPoint at =
            taken + QPoint(static_cast<int>(std::lround((to - Experiment::kFirst) * quarter)), 0);
        const auto start = std::chrono::steady_clock::now();
        mouse(bench, QEvent::MouseMove, at, Qt::LeftButton);
        bench->render(&image);
        const auto end = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(image.constBits());
        ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        moved += session.experiment().quarters == to;
    }
    mouse(bench, QEvent::MouseButtonRelease, pointer(to), Qt::NoButton);
    if (moved != static_cast<int>(ms.size())) state.SkipWithError("a move left the screen");
    report(state, ms, image);
}

#define KORRU_SCREENS ->Args({1024, 768})->Args({1920, 1080})->Args({3840, 2160})
BENCHMARK(PaintBench) KORRU_SCREENS;
BENCHMARK(PlainFill) KORRU_SCREENS;
#undef KORRU_SCREENS
// A 1366 x 1024 screen at twice the density is 2732 x 2048 device pixels; the bench on a
// 1920 x 1080 screen at twice the density has about as many device pixels as that whole screen.
BENCHMARK(DragStep)
    ->Args({1366, 1024})
    ->Args({1920, 1080})
    ->Iterations(1000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(ScreenDragStep)
    ->Args({1366, 1024})
    ->Args({1920, 1080})
    ->Iterations(1000)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    view::use_window_style();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
