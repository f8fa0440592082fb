// SPDX-License-Identifier: MIT
// What a lesson adds to the window, from the bench's menu, from keys anywhere in it and from the
// lesson bar of the lesson's window, each a call of the session: the scene copied as a text, or
// opened from a text or the page's link; predict, then look (P, a click or Shift+arrows for the
// mark, A for the answer), and predict again; a row of the notebook recorded (R) or taken out,
// and the notebook (N). The lesson's band (or, with the bench's window alone, the lesson's window
// beside this one) holds the bar, the notices and the notebook. None of it is in the model: the
// bench's window is as it was.
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "lesson/captions.h"
#include "lesson/flow.h"
#include "lesson/lesson_bar.h"
#include "view/bench_widget.h"
#include "view/language.h"
#include "view/look.h"
#include "view/main_window.h"
#include "view/notebook_window.h"
#include "view/notice.h"
#include "view/placement.h"
#include "view/program.h"
#include "view/snapshot.h"

namespace korru::view {

namespace {

// Pixels between the bench's axis and a notebook's window below it: the candle's foot and an
// upright image's.
constexpr int kAxisClearance = 12;
// The menu's setting of the bench's window alone.
constexpr const char* kBenchAlone =
    QT_TRANSLATE_NOOP("korru", "光学台のウィンドウだけを表示 (次の起動から)");

// The lesson window's least and greatest first width, and the pixels it leaves before the
// controls beside it.
constexpr std::pair<int, int> kLessonWidths{460, 640};
constexpr int kLessonGap = 8;

}  // namespace

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
    for (const LessonActionRow& k : keyed_actions()) {
        const QKeySequence key(lesson_key(k.key));
        if (k.action == LessonAction::predict || k.action == LessonAction::record ||
            k.action == LessonAction::experiment) {
            separator();
        }
        // The menu's N opens the notebook, where the bar's button also puts it away.
        QAction* a = k.action == LessonAction::open_notebook
                         ? action(k.caption, key, [this] { show_lesson(true, true); })
                         : action(k.caption, key, [this, a = k.action] { act(a); });
        a->setAutoRepeat(k.repeats);
        a->setCheckable(k.toggles);
        lesson_keys_.emplace_back(k.action, a);
    }
    separator();
    look_ = look_action(bench_);
    connect(look_, &QAction::triggered, this, [this](bool on) {
        const BenchLook look = on ? BenchLook::projector : BenchLook::window;
        remember_look(look);
        present(session_.set_look(look));
    });
    bench_->addAction(look_);
    bench_->addAction(language_action(bench_));
    auto* alone = action(kBenchAlone, {}, [](bool on) { keep_bench_only(on); });
    alone->setCheckable(true);
    alone->setChecked(bench_only_kept());
    alone->setObjectName(QStringLiteral("bench_only"));
    // A key whose action cannot be taken now, or pressed in the lesson's window, reaches no
    // shortcut of this window: the lesson's keys are heard wherever the focus is in korru.
    qApp->installEventFilter(this);
    show_mode();
    // Escape puts the notebook away where it is open in the band, else the notice.
    auto* away = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(away, &QShortcut::activated, this, [this] {
        if (band_ && notebook_in_sight()) {
            put_notebook_away();
        } else if (notebook_window_) {
            notebook_window_->notice()->clear_notice();
        }
    });
}

// The menu and the keys as the lesson's actions stand: each enabled or not, with why not, and
// those that turn a mode on and off ticked where it is on; a passing notice on how to predict
// goes once there is nothing more to predict.
void MainWindow::show_mode() {
    for (const auto& [action, key] : lesson_keys_) {
        const Availability now = session_.availability(action);
        key->setEnabled(now.enabled);
        key->setToolTip(now.enabled ? QString() : translated(now.why_not));
        if (now.checked) key->setChecked(*now.checked);
    }
    for (QShortcut* key : mark_keys_) key->setEnabled(session_.prediction().asked());
    if (look_) look_->setChecked(session_.look() == BenchLook::projector);
    size_lesson_words(this, session_);
}

// A lesson key no shortcut of this window took: its action is not enabled (the session says why),
// or it was pressed in another of korru's windows. Not where text is typed.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || failed_ || !watched->isWidgetType()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const auto* w = static_cast<QWidget*>(watched);
    if (key->modifiers() & ~(Qt::KeypadModifier) || w->window() == nullptr ||
        w->window()->isModal() || qobject_cast<const QLineEdit*>(w) ||
        qobject_cast<const QAbstractSpinBox*>(w) ||
        (w->window() != this && w->window() != notebook_window_)) {
        return false;
    }
    for (const LessonActionRow& row : keyed_actions()) {
        if (key->key() != lesson_key(row.key)) continue;
        if (key->isAutoRepeat() && (!row.repeats || !session_.availability(row.action).enabled)) {
            return true;
        }
        act(row.action);
        return true;
    }
    return false;
}

// A lesson action, from the bar, the menu or a key: the session's, but for the notebook, which
// the bar's button shows or puts away.
void MainWindow::act(LessonAction action) {
    if (action == LessonAction::open_notebook) {
        show_lesson(true, !notebook_in_sight());
        return;
    }
    attempt([&] { return session_.act(action); });
    show_lesson(false, notebook_in_sight());
}

int lesson_key(char letter) {
    return letter == ','   ? Qt::Key_Comma
           : letter == '.' ? Qt::Key_Period
                           : Qt::Key_A + (letter - 'a');
}

bool MainWindow::notebook_in_sight() const {
    return notebook_window_ && notebook_window_->isVisible() && notebook_window_->notebook_shown();
}

QRect MainWindow::bench_surface() const {
    return bench_->contentsRect().translated(bench_->pos());
}

QByteArray MainWindow::bench_drawing() const {
    return QByteArray::fromStdString(session_.bench_svg(svg_look()));
}

void MainWindow::tell(const QString& text, bool lasting) {
    show_lesson(false, notebook_in_sight());
    notebook_window_->tell(text, lasting);
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

NotebookWindow* MainWindow::notebook_window() {
    if (!notebook_window_) {
        notebook_window_ = new NotebookWindow(session_, this, !band_);
        connect(notebook_window_, &NotebookWindow::acted, this, &MainWindow::act);
        connect(notebook_window_, &NotebookWindow::put_away, this, &MainWindow::put_notebook_away);
        connect(notebook_window_, &NotebookWindow::clear_asked, this,
                [this] { present(session_.clear_rows()); });
        connect(notebook_window_, &NotebookWindow::remove_asked, this,
                [this](RowId id) { present(session_.remove_row(id)); });
    }
    return notebook_window_;
}

// Opened by a lesson action from the bench's menu or a key, or by a notice, the lesson's window
// does not take the keyboard from the bench, so that the pupil goes on moving the candle and
// recording. It is placed where it is first shown and where its notebook comes or goes.
void MainWindow::show_lesson(bool activate, bool with_notebook) {
    NotebookWindow* lesson = notebook_window();
    if (band_) {
        // In the band the notebook opens under the bar; asked for from the keyboard or the bar,
        // it takes the keyboard, which goes back where it was when it is put away.
        const bool was_shown = lesson->notebook_shown();
        if (with_notebook && !was_shown) focus_before_notebook_ = QApplication::focusWidget();
        lesson->show_notebook(with_notebook);
        if (with_notebook && activate) lesson->take_focus();
        if (!with_notebook && was_shown) give_focus_back();
        return;
    }
    const bool opening = !lesson->isVisible();
    const bool resized = with_notebook != lesson->notebook_shown();
    if (opening) lesson->set_width(lesson_width());
    lesson->show_notebook(with_notebook);
    if (opening || resized) place_lesson();
    if (opening) size_lesson_words(lesson, session_);
    if (opening) {
        lesson->setAttribute(Qt::WA_ShowWithoutActivating, !activate);
        lesson->show();
    }
    if (activate) {
        lesson->raise();
        lesson->activateWindow();
    } else if (opening && isActiveWindow()) {
        activateWindow();  // where the platform gives a new window the keyboard all the same
    }
}

void MainWindow::put_notebook_away() {
    show_lesson(false, false);
    if (!band_) activateWindow();
}

// Where the keyboard was before the notebook opened, or the window's first control.
void MainWindow::give_focus_back() {
    QWidget* back = focus_before_notebook_;
    focus_before_notebook_ = nullptr;
    if (!back || !back->isVisible() || back->window() != this) {
        const QWidget* now = QApplication::focusWidget();
        if (now && now->isVisible() && now->window() == this) return;
        back = widgets_[static_cast<std::size_t>(Window::ids::move_away)];
    }
    back->setFocus(Qt::OtherFocusReason);
}

void MainWindow::show_lesson_as(const MainWindow& other) {
    if (other.notebook_window_ && other.notebook_window_->isVisible()) {
        show_lesson(false, other.notebook_in_sight());
    }
}

void MainWindow::place_lesson() {
    NotebookWindow* lesson = notebook_window_;
    // The frames of this window manager, as this window has them where the lesson's has none yet,
    // or as the model assumes them where there is no window manager, or it has not yet told.
    QMargins frame = lesson->windowHandle() ? lesson->windowHandle()->frameMargins() : QMargins();
    if (frame.isNull() && windowHandle()) frame = windowHandle()->frameMargins();
    const bool framed = !frame.isNull();
    if (!framed) frame = nominal_frame();
    LessonPlace place;
    place.window = lesson->size().grownBy(frame);
    place.band = lesson->band_height() + frame.bottom();
    place.main = frameGeometry();
    place.kept = kept_in_sight();
    // The screen the model placed this window on.
    const QPoint origin = QGuiApplication::primaryScreen()
                              ? QGuiApplication::primaryScreen()->geometry().topLeft()
                              : QPoint();
    place.screen =
        QRect(origin, QSize(pixel_of(session_.screen().width), pixel_of(session_.screen().height)));
    // Some window managers take the position asked for as the client's where it is the frame's,
    // and put the window a title bar lower (openbox; this window too): the screen's last title
    // bar is left free, so that the notices at the window's bottom stay on the screen.
    if (framed) place.screen.setBottom(place.screen.bottom() - frame.top());
    LessonSpot spot = place_lesson_window(place);
    if (spot.covered > 0 && lesson->notebook_shown()) {
        // Where it must cover some of the bench, the notebook is no taller than the room below
        // the bench's axis, so that the candle, the lens and the image's usual place stay in
        // sight.
        const int axis = bench_->mapToGlobal(bench_->contentsRect().topLeft()).y() +
                         pixel_of(model_.bench.axisy);
        const int room =
            place.screen.bottom() - axis - kAxisClearance - frame.top() - frame.bottom();
        if (room < lesson->height()) {
            lesson->resize(lesson->width(), std::max(room, lesson->minimumSizeHint().height()));
            place.window = lesson->size().grownBy(frame);
            spot = place_lesson_window(place);
        }
    }
    lesson->move(spot.frame.topLeft());
}

// As wide as the room left of the controls below the bench and of the lens, where the window
// will most likely stand, allows: the bar's buttons on one row and every column of the table
// where it can.
int MainWindow::lesson_width() const {
    const QRect bench(bench_->mapToGlobal(QPoint()), bench_->size());
    const QPoint origin = QGuiApplication::primaryScreen()
                              ? QGuiApplication::primaryScreen()->geometry().topLeft()
                              : QPoint();
    const Item& lens = model_.items[static_cast<std::size_t>(Window::ids::lens)];
    int room = bench_->mapToGlobal(bench_->contentsRect().topLeft()).x() + pixel_of(lens.left) -
               origin.x();
    for (const QRect& kept : kept_in_sight()) {
        if (kept.top() > bench.bottom()) room = std::min(room, kept.left() - origin.x());
    }
    const QMargins frame = nominal_frame();
    return std::clamp(room - frame.left() - frame.right() - kLessonGap, kLessonWidths.first,
                      kLessonWidths.second);
}

std::vector<QRect> MainWindow::kept_in_sight() const {
    std::vector<QRect> kept;
    const QPoint client = mapToGlobal(QPoint(0, 0));
    for (std::size_t id = 0; id < kItemCount; ++id) {
        const QWidget* w = widgets_[id];
        // The bench and the controls; the panels hold the option buttons. Labels are words only.
        if (!w || kItems[id].kind == Kind::label || w->parentWidget() != this) continue;
        kept.push_back(w->geometry().translated(client));
    }
    return kept;
}

}  // namespace korru::view
