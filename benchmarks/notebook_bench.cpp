// SPDX-License-Identifier: MIT
// Timing of the notebook in the window with many rows kept: a record with the notebook's window
// open, from the menu's "record" to the table and the plot painted again, the notebook merged
// with its file and kept there (read, written through a save file and synced); and the
// notebook's window opened and painted. The time of each record is kept, for its median and its
// 99th percentile (counters, in milliseconds). And a kept notebook of a class's year and more
// loaded at start.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "commands/startup.h"
#include "lesson/captions.h"
#include "lesson/session.h"
#include "view/file_store.h"
#include "view/language.h"
#include "view/main_window.h"
#include "view/notebook_window.h"

namespace {

using namespace korru;

constexpr ScreenSize kScreen = ScreenSize::from_pixels(1024, 768);

// A notebook of `rows` rows kept in `file`: the candle swept to and fro, both lenses.
void keep_rows(const QString& file, int rows) {
    Window w;
    start_up(w, kScreen);
    Notebook n;
    for (int i = 0; i < rows; ++i) {
        n.add(static_cast<RowId>(i + 1), measure(w));
        click(w, i / 40 % 2 ? Click::mr : Click::ml);
        if (i % 400 == 399) click(w, i / 400 % 2 ? Click::fmove_short : Click::fmove_long);
    }
    QFile out(file);
    out.open(QIODevice::WriteOnly);
    out.write(QByteArray::fromStdString(n.stored()));
}

// The window over a session that keeps `rows` rows in a file of its own.
struct Kept {
    explicit Kept(int rows) {
        keep_rows(file, rows);
        session.start(kScreen);
        session.load_notebook();
        window = std::make_unique<view::MainWindow>(session);
        QObject::connect(&store, &view::FileStore::changed, window.get(),
                         &view::MainWindow::store_changed);
        window->show();
        QApplication::processEvents();
    }

    QAction* menu_item(std::string_view caption) {
        for (QAction* a : window->findChild<QWidget*>(QStringLiteral("work"))->actions()) {
            if (a->text() == view::translated(caption)) return a;
        }
        return nullptr;
    }

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("notebook.txt"));
    view::FileStore store{file};
    Window model;
    Session session{model, view::translated_utf8, &store};
    std::unique_ptr<view::MainWindow> window;
};

double ms_since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

void median_and_p99(benchmark::State& state, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    const auto at = [&](double q) { return ms[static_cast<std::size_t>(q * (ms.size() - 1))]; };
    state.counters["median_ms"] = at(0.5);
    state.counters["p99_ms"] = at(0.99);
}

// One record: the candle moved a step first (so that the row is a new one, untimed), then the
// menu's "record", and the window's events until the table and the plot are painted again.
void RecordWithNotebookOpen(benchmark::State& state) {
    Kept kept(static_cast<int>(state.range(0)));
    kept.window->notebook_window()->show();
    QApplication::processEvents();
    QAction* record = kept.menu_item(kCaptions.record);
    QAbstractButton* left = kept.window->findChild<QAbstractButton*>(QStringLiteral("ml"));
    QAbstractButton* right = kept.window->findChild<QAbstractButton*>(QStringLiteral("mr"));
    std::vector<double> ms;
    std::size_t rows = kept.session.notebook().rows().size();
    bool there = false;
    for (auto _ : state) {
        there = !there;
        (there ? left : right)->click();
        QApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        record->trigger();
        QApplication::processEvents();
        ms.push_back(ms_since(start));
        if (kept.session.notebook().rows().size() != ++rows || kept.session.unkept_rows() != 0) {
            state.SkipWithError("a row was not recorded and kept");
            break;
        }
    }
    median_and_p99(state, ms);
}

// The notebook's window made, shown and painted with every row.
void OpenNotebook(benchmark::State& state) {
    Kept kept(static_cast<int>(state.range(0)));
    std::vector<double> ms;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        view::NotebookWindow notebook(kept.session, kept.window.get(), true);
        notebook.show();
        QApplication::processEvents();
        ms.push_back(ms_since(start));
    }
    median_and_p99(state, ms);
}

// A kept notebook read from its file at start, as the window's keeper loads it: the file read
// and every row read back.
void LoadKeptNotebook(benchmark::State& state) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("notebook.txt"));
    keep_rows(file, static_cast<int>(state.range(0)));
    std::vector<double> ms;
    for (auto _ : state) {
        view::FileStore store(file);
        NotebookKeeper keeper(&store, view::translated_utf8);
        const auto start = std::chrono::steady_clock::now();
        keeper.load();
        ms.push_back(ms_since(start));
        if (keeper.notebook().rows().size() != static_cast<std::size_t>(state.range(0))) {
            state.SkipWithError("a row was not read");
            break;
        }
    }
    median_and_p99(state, ms);
}

BENCHMARK(LoadKeptNotebook)
    ->Arg(100000)
    ->Arg(1000000)
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(RecordWithNotebookOpen)
    ->Arg(100)
    ->Arg(10000)
    ->Iterations(200)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(OpenNotebook)->Arg(100)->Arg(10000)->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace
