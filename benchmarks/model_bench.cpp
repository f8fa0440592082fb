// SPDX-License-Identifier: MIT
// Timing of the model's work per user action: start-up, one arrow click, one focal-length click,
// the finiteness check alone, and the JSON dump. Run side by side in one process so the ratios
// between them hold on a noisy machine.
#include <benchmark/benchmark.h>

#include "bench/scene.h"
#include "commands/commands.h"
#include "commands/startup.h"
#include "window/scene_json.h"

namespace {

using namespace korru;

const ScreenSize kScreen = ScreenSize::from_pixels(1920, 1080);

Window started() {
    Window w;
    start_up(w, kScreen);
    return w;
}

void StartUp(benchmark::State& state) {
    for (auto _ : state) {
        Window w;
        start_up(w, kScreen);
        benchmark::DoNotOptimize(w);
    }
}
BENCHMARK(StartUp);

void ArrowClick(benchmark::State& state) {
    Window w = started();
    bool left = false;
    for (auto _ : state) {
        click(w, (left = !left) ? Click::ml : Click::mr);
        benchmark::DoNotOptimize(w.bench);
    }
}
BENCHMARK(ArrowClick);

void FocalLengthClick(benchmark::State& state) {
    Window w = started();
    bool long_lens = false;
    for (auto _ : state) {
        click(w, (long_lens = !long_lens) ? Click::fmove_long : Click::fmove_short);
        benchmark::DoNotOptimize(w.bench);
    }
}
BENCHMARK(FocalLengthClick);

void SceneUpdate(benchmark::State& state) {
    Window w = started();
    for (auto _ : state) {
        update_bench(w);
        benchmark::DoNotOptimize(w.bench);
    }
}
BENCHMARK(SceneUpdate);

void FinitenessCheck(benchmark::State& state) {
    const Window w = started();
    for (auto _ : state) w.verify("bench");
}
BENCHMARK(FinitenessCheck);

void JsonDump(benchmark::State& state) {
    const Window w = started();
    for (auto _ : state) benchmark::DoNotOptimize(scene_json(w, kScreen));
}
BENCHMARK(JsonDump);

}  // namespace
