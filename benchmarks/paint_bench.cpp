// SPDX-License-Identifier: MIT
// Timing of one paint of the whole bench with every overlay shown, beside a plain fill of the
// same area on the same kind of picture. The ratio of the two is what to compare between builds:
// the fill is the floor that no bench painter can go below on that machine.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "commands/commands.h"
#include "view/bench_painter.h"
#include "view/program.h"

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

#define KORRU_SCREENS ->Args({1024, 768})->Args({1920, 1080})->Args({3840, 2160})
BENCHMARK(PaintBench) KORRU_SCREENS;
BENCHMARK(PlainFill) KORRU_SCREENS;
#undef KORRU_SCREENS

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
