// SPDX-License-Identifier: MIT
// The program's run.
#include "view/program.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <iostream>
#include <memory>

#include "lesson/session.h"
#include "view/file_store.h"
#include "view/language.h"
#include "view/look.h"
#include "view/main_window.h"
#include "view/placement.h"

namespace korru::view {

void use_window_style() {
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(QApplication::style()->standardPalette());
}

ScreenSize primary_screen() {
    const QSize size = QGuiApplication::primaryScreen()->size();
    return ScreenSize::from_pixels(size.width(), size.height());
}

namespace {

const QString kBenchOnlyKey = QStringLiteral("bench_only");

}  // namespace

ProgramScreen program_screen(bool bench_only) {
    const QScreen* primary = QGuiApplication::primaryScreen();
    const ScreenSize whole = primary_screen();
    if (bench_only) return {whole, std::nullopt};
    const QSize room = primary->availableGeometry().size().shrunkBy(nominal_frame());
    const auto plan =
        plan_lesson(room.width(), room.height(), kDesktopLessonRoom, false, client_measure());
    if (!plan) return {whole, std::nullopt};
    return {ScreenSize::from_pixels(plan->screen.width, plan->screen.height), plan->side};
}

bool bench_only_kept() {
    return kept_settings().value(kBenchOnlyKey, false).toBool();
}

void keep_bench_only(bool alone) {
    keep_setting(kBenchOnlyKey, alone);
}

ProgramWindow::ProgramWindow(Session& session, FileStore* store, std::optional<LessonSide> band)
    : session_(session), store_(store), band_(band) {
    make();
    connect(&language_changes(), &LanguageChanges::changed, this, &ProgramWindow::remake);
}

ProgramWindow::~ProgramWindow() = default;

void ProgramWindow::make() {
    window_ = std::make_unique<MainWindow>(session_, band_);
    if (store_) {
        QObject::connect(store_, &FileStore::changed, window_.get(), &MainWindow::store_changed);
    }
    window_->show();
}

void ProgramWindow::remake() {
    if (!window_ || window_->failed() || session_.window().unloaded) return;
    std::unique_ptr<MainWindow> old = std::move(window_);
    if (store_) QObject::disconnect(store_, nullptr, old.get(), nullptr);
    make();
    window_->show_lesson_as(*old);
    old->hide();
    old.release()->deleteLater();  // its menu may still be on the way out
}

int run_program(Window& model, ScreenSize screen, const Start& start) {
    use_window_style();
    use_system_language(start.scene);  // a link handed out in a pupil's language opens in it
    std::unique_ptr<FileStore> store;
    if (start.keep_notebook) store = std::make_unique<FileStore>(kept_notebook_file());
    Session session(model, translated_utf8, store.get(), counted_utf8);
    session.set_look(remembered_look());
    Outcome begun;
    try {
        begun = session.start_scene(screen, start.scene);
    } catch (const RuntimeError& e) {
        report_error(nullptr, e);
        return 1;
    }
    // What the scene says first (a text not understood, or what to do in a prediction), then
    // what reading the notebook says, as the page says them.
    QStringList told, printed;
    if (begun.notice) {
        told << QString::fromStdString(begun.notice->text);
        if (read_scene(start.scene).fault != SceneFault::none) printed << told.back();
    }
    if (const Outcome kept = session.load_notebook(); kept.notice) {
        told << QString::fromStdString(kept.notice->text);
        printed << told.back();
    }
    const ProgramWindow shown(session, store.get(), start.band);
    if (!told.isEmpty()) shown.window().tell(told.join(QLatin1Char('\n')), true);
    for (const QString& line : printed) std::cerr << "korru: " << line.toStdString() << "\n";
    const int status = QApplication::exec();
    // Rows left unkept, as the user chose, are said as the program ends, and end it unsuccessfully.
    if (status == 0 && session.unkept_rows() > 0) {
        std::cerr << "korru: " << session.unkept_text() << "\n";
        return 1;
    }
    return status;
}

}  // namespace korru::view
