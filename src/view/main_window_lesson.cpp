// SPDX-License-Identifier: MIT
// What a lesson adds to the window, from the bench's menu and from keys anywhere in it: the
// scene copied as a text; predict, then look (P, a click or Shift+arrows for the mark, A for the
// answer); a row of the notebook recorded (R) and the notebook's window (N). None of it is in
// the model: with none of it in use, the window is as it was.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QShortcut>

#include "lesson/scene_text.h"
#include "view/bench_widget.h"
#include "view/kept_notebook.h"
#include "view/language.h"
#include "view/main_window.h"
#include "view/notebook_window.h"
#include "view/notice.h"
#include "view/snapshot.h"

namespace korru::view {

namespace {

constexpr const char* kCopyScene = QT_TRANSLATE_NOOP("korru", "場面をコピー");
constexpr const char* kPredict = QT_TRANSLATE_NOOP("korru", "像の位置を予想する");
constexpr const char* kShowAnswer = QT_TRANSLATE_NOOP("korru", "答えを見る");
constexpr const char* kRecord = QT_TRANSLATE_NOOP("korru", "測定ノートに記録");
constexpr const char* kNotebook = QT_TRANSLATE_NOOP("korru", "測定ノートを開く");
constexpr const char* kSceneCopied = QT_TRANSLATE_NOOP("korru", "場面をコピーしました: %1");
constexpr const char* kSceneTooLong =
    QT_TRANSLATE_NOOP("korru", "クリックが多すぎるため、場面をコピーできません。");
constexpr const char* kHowToPredict =
    QT_TRANSLATE_NOOP("korru",
                      "像の先ができると思う所をクリックするか Shift+矢印キーで印をつけ、A "
                      "キーで答えを見ます。");
constexpr const char* kAnswerFirst =
    QT_TRANSLATE_NOOP("korru", "記録するのは、答えを見てからにしてください。");
constexpr const char* kRecorded = QT_TRANSLATE_NOOP("korru", "記録しました: %1");
constexpr const char* kNotKept = QT_TRANSLATE_NOOP("korru", "測定ノートを保存できませんでした: %1");

// A scene shown in a notice: its beginning, where it is long.
constexpr qsizetype kShownScene = 60;

}  // namespace

void MainWindow::add_lesson_actions() {
    const auto action = [this](const char* text, QKeySequence key, auto&& slot) {
        auto* a = new QAction(translated(text), bench_);
        a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, slot);
        bench_->addAction(a);
        return a;
    };
    const auto separator = [this] {
        auto* line = new QAction(bench_);
        line->setSeparator(true);
        bench_->addAction(line);
    };
    action(kCopyScene, {}, [this] { copy_scene(); });
    separator();
    QAction* predicting =
        action(kPredict, QKeySequence(Qt::Key_P), [this](bool on) { predict(on); });
    predicting->setCheckable(true);
    answer_ = action(kShowAnswer, QKeySequence(Qt::Key_A), [this] { show_answer(); });
    answer_->setEnabled(false);
    separator();
    action(kRecord, QKeySequence(Qt::Key_R), [this] { record(); });
    action(kNotebook, QKeySequence(Qt::Key_N), [this] { show_notebook(true); });

    // Shift with an arrow moves the mark a quarter square, while the plain arrows move the
    // candle; only while a prediction is asked for.
    const std::tuple<Qt::Key, int, int> keys[] = {
        {Qt::Key_Left, -1, 0}, {Qt::Key_Right, 1, 0}, {Qt::Key_Up, 0, -1}, {Qt::Key_Down, 0, 1}};
    for (const auto& [key, across, down] : keys) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::SHIFT | key), this);
        shortcut->setAutoRepeat(true);
        shortcut->setEnabled(false);
        connect(shortcut, &QShortcut::activated, this,
                [this, across = across, down = down] { nudge_mark(across, down); });
        mark_keys_.push_back(shortcut);
    }
    auto* away = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(away, &QShortcut::activated, this, [this] { notice_->hide(); });
}

QRect MainWindow::bench_surface() const {
    return bench_->contentsRect().translated(bench_->pos());
}

QByteArray MainWindow::bench_drawing() const {
    return bench_svg(model_, prediction_);
}

void MainWindow::tell(const QString& text, bool lasting) {
    notice_->tell(text, bench_surface(), lasting);
}

void MainWindow::copy_scene() {
    if (clicks_.size() > kMostSceneClicks) {
        tell(translated(kSceneTooLong), false);
        return;
    }
    const QString scene =
        QString::fromStdString(scene_text(std::vector<Step>(clicks_.begin(), clicks_.end())));
    QGuiApplication::clipboard()->setText(scene);
    tell(translated(kSceneCopied)
             .arg(scene.size() > kShownScene ? scene.left(kShownScene) + QChar(0x2026) : scene),
         false);
}

void MainWindow::predict(bool on) {
    prediction_.ask(on);
    answer_->setEnabled(on);
    for (QShortcut* key : mark_keys_) key->setEnabled(on);
    show_lesson();
    if (on) {
        tell(translated(kHowToPredict), false);
    } else {
        notice_->hide();
    }
}

void MainWindow::show_answer() {
    prediction_.show_answer();
    notice_->pass();
    show_lesson();
}

void MainWindow::put_mark(BenchPoint p) {
    prediction_.put_mark(p);
    show_lesson();
}

void MainWindow::nudge_mark(int across, int down) {
    prediction_.nudge_mark(model_, across, down);
    show_lesson();
}

void MainWindow::show_lesson() {
    bench_->show_scene();
    describe_bench();
}

// A row is the scene as it stands; while the answer is hidden, recording it would show it.
void MainWindow::record() {
    if (prediction_.asked() && !prediction_.answer_shown()) {
        tell(translated(kAnswerFirst), false);
        return;
    }
    notebook_.add(notebook_.rows().size() + 1, measure(model_));
    if (notebook_window_) notebook_window_->show_rows();
    show_notebook(false);
    tell(translated(kRecorded).arg(
             QString::fromStdString(row_words(notebook_.rows().back(), translated_utf8))),
         false);
    keep_notebook();  // a notebook that could not be kept is said after, not hidden by, the row
}

NotebookWindow* MainWindow::notebook_window() {
    if (!notebook_window_) {
        notebook_window_ = new NotebookWindow(notebook_, this);
        connect(notebook_window_, &NotebookWindow::cleared, this, &MainWindow::keep_notebook);
    }
    return notebook_window_;
}

// Opened by a row recorded, the notebook's window does not take the keyboard from the bench, so
// that the pupil goes on moving the candle and recording.
void MainWindow::show_notebook(bool activate) {
    NotebookWindow* notebook = notebook_window();
    if (notebook->isVisible() && !activate) return;
    notebook->setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    notebook->show();
    if (activate) {
        notebook->raise();
        notebook->activateWindow();
    } else if (isActiveWindow()) {
        activateWindow();  // where the platform gives a new window the keyboard all the same
    }
}

QString MainWindow::keep_notebook_in(const QString& file) {
    KeptNotebook kept = read_kept_notebook(file);
    notebook_ = std::move(kept.notebook);
    if (kept.keepable) {
        kept_in_ = file;
    } else {
        kept_in_.reset();
    }
    if (notebook_window_) notebook_window_->show_rows();
    return kept.message;
}

void MainWindow::keep_notebook() {
    QString error;
    if (kept_in_ && !view::keep_notebook(notebook_, *kept_in_, error)) {
        tell(translated(kNotKept).arg(error), true);
    }
}

}  // namespace korru::view
