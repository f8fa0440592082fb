// SPDX-License-Identifier: MIT
// Timing of the model's work per user action: start-up, one arrow click, one focal-length click,
// the finiteness check alone, and the JSON dump; and a step of the experiment's screen, the bench
// drawn again with the light on the screen worked out anew. Run side by side in one process so the
// ratios between them hold on a noisy machine.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "bench/scene.h"
#include "commands/commands.h"
#include "commands/startup.h"
#include "lesson/experiment.h"
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

// The experiment's screen moved a step, and the bench drawn again with the light on it, as a face
// does on each step of a drag: on a 1366 x 1024 screen at a pixel ratio of 2, everything shown.
// The time of each step is kept, for its median and its 99th percentile (in milliseconds).
constexpr double kRatio = 2;

Window experiment_bench() {
    Window w;
    start_up(w, ScreenSize::from_pixels(1366, 1024));
    for (Click c : {Click::kosen, Click::syoten, Click::hogan}) click(w, c);
    return w;
}

template <class Step>
void timed_steps(benchmark::State& state, Step step) {
    std::vector<double> ms;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        step();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(ms.begin(), ms.end());
    const auto at = [&](double q) { return ms[static_cast<std::size_t>(q * (ms.size() - 1))]; };
    state.counters["median_ms"] = at(0.5);
    state.counters["p99_ms"] = at(0.99);
}

// The screen swept to and fro across the bench, the candle `range(0)` quarter squares from the
// lens (64: where it starts; 32: twice the focal length; 20: its image at the bench's edge, four
// times the candle; 12: inside the focal length).
void ExperimentScreenStep(benchmark::State& state) {
    Window w = experiment_bench();
    const int clicks = 64 - static_cast<int>(state.range(0));
    for (int i = 0; i < clicks; ++i) click(w, Click::mr);
    Experiment e;
    e.on = true;
    bool away = true;
    Drawing d;
    timed_steps(state, [&] {
        if (!(away ? e.screen_r() : e.screen_l())) away = !away;
        draw_bench(w, d);
        draw_experiment(w, e, kRatio, d);
        benchmark::DoNotOptimize(d.data());
    });
}
BENCHMARK(ExperimentScreenStep)->Arg(64)->Arg(32)->Arg(20)->Arg(12)->Iterations(1600);

// Every place of the screen for every place of the candle, with both focal lengths and half the
// lens covered or not: the screen swept to and fro, the candle a step on at each end.
void ExperimentEveryPlace(benchmark::State& state) {
    Window w = experiment_bench();
    Experiment e;
    e.on = true;
    bool away = true, closer = true;
    Drawing d;
    timed_steps(state, [&] {
        if (!(away ? e.screen_r() : e.screen_l())) {
            away = !away;
            e.upper_covered = !e.upper_covered;
            const float before = w.bench.sdist;
            click(w, closer ? Click::mr : Click::ml);
            if (w.bench.sdist == before) {
                closer = !closer;
                click(w, w.bench.flen == 4 * w.bench.unit ? Click::fmove_long : Click::fmove_short);
            }
        }
        draw_bench(w, d);
        draw_experiment(w, e, kRatio, d);
        benchmark::DoNotOptimize(d.data());
    });
}
BENCHMARK(ExperimentEveryPlace)->Iterations(80 * 78 * 4);

}  // namespace
