// SPDX-License-Identifier: MIT
// What a lesson adds to the window, from the bench's menu and from keys anywhere in it, each a
// call of the session: the scene copied as a text, or opened from a text or the page's link;
// predict, then look (P, a click or Shift+arrows for the mark, A for the answer); a row of the
// notebook recorded (R) and the notebook's window (N). None of it is in the model: with none of
// it in use, the window is as it was.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputDialog>
#include <QShortcut>
#include <algorithm>

#include "lesson/captions.h"
#include "view/bench_widget.h"
#include "view/language.h"
#include "view/main_window.h"
#include "view/notebook_window.h"
#include "view/notice.h"
#include "view/snapshot.h"

namespace korru::view {

void MainWindow::add_lesson_actions() {
    const auto action = [this](std::string_view text, QKeySequence key, auto&& slot) {
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
    action(kCaptions.copy_scene, {}, [this] { copy_scene(); });
    action(kCaptions.open_scene, {}, [this] { open_scene(); });
    for (const LessonKey& k : kLessonKeys) {
        const QKeySequence key(Qt::Key_A + (k.letter - 'a'));
        switch (k.action) {
            case LessonAction::predict:
                separator();
                predicting_ = action(k.caption, key, [this](bool on) {
                    attempt([&] { return session_.predict(on); });
                });
                predicting_->setCheckable(true);
                break;
            case LessonAction::show_answer:
                answer_ = action(k.caption, key, [this] { present(session_.show_answer()); });
                answer_->setEnabled(false);
                break;
            case LessonAction::record:
                separator();
                action(k.caption, key, [this] { record(); });
                break;
            case LessonAction::open_notebook:
                action(k.caption, key, [this] { show_notebook(true); });
                break;
            default:  // the actions without a key are not the menu's
                break;
        }
    }
    auto* away = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(away, &QShortcut::activated, this, [this] { notice_->hide(); });
}

// The menu and the keys as the lesson's mode stands; a passing notice on how to predict goes
// once there is nothing more to predict.
void MainWindow::show_mode() {
    const bool asked = session_.prediction().asked();
    predicting_->setChecked(asked);
    answer_->setEnabled(asked);
    for (QShortcut* key : mark_keys_) key->setEnabled(asked);
    if (!session_.answer_hidden()) notice_->pass();
}

QRect MainWindow::bench_surface() const {
    return bench_->contentsRect().translated(bench_->pos());
}

QByteArray MainWindow::bench_drawing() const {
    return QByteArray::fromStdString(session_.bench_svg(svg_look()));
}

void MainWindow::tell(const QString& text, bool lasting) {
    notice_->tell(text, bench_surface(), lasting);
}

void MainWindow::copy_scene() {
    const SceneCopy copy = session_.scene_to_copy();
    if (copy.scene) QGuiApplication::clipboard()->setText(QString::fromStdString(*copy.scene));
    tell(QString::fromStdString(copy.notice.text), copy.notice.lasting);
}

// A scene pasted: its text, or a link to the page with one.
void MainWindow::open_scene() {
    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("open_scene"));
    dialog.setWindowTitle(translated(kCaptions.open_scene).remove(QChar(0x2026)));
    dialog.setLabelText(translated(kCaptions.open_scene_prompt));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.resize(std::max(dialog.sizeHint().width(), 480), dialog.sizeHint().height());
    if (dialog.exec() != QDialog::Accepted) return;
    const std::string scene = dialog.textValue().toStdString();
    attempt([&] { return session_.open(scene); });
}

// A row is the scene as it stands, unless the session says why not.
void MainWindow::record() {
    const Outcome out = session_.record();
    present(out);
    if (out.rows) show_notebook(false);
}

NotebookWindow* MainWindow::notebook_window() {
    if (!notebook_window_) {
        notebook_window_ = new NotebookWindow(session_, this);
        connect(notebook_window_, &NotebookWindow::clear_asked, this,
                [this] { present(session_.clear_rows()); });
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

}  // namespace korru::view
