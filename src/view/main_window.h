// SPDX-License-Identifier: MIT
// The window `main`: shows the window model and delivers the user's clicks to it, through the
// lesson's session, which holds the steps made, the prediction and the notebook. Every click (of
// a button, an arrow key, a drag of the candle on the bench) is a step the session makes, every
// lesson action one of its calls (a drag of the pupil's screen is the bar's steps of it, one by
// one); what each returns is shown in one place (present). The widgets' states and the bench are
// read back from the model. The lesson's menu and keys are in main_window_lesson.cpp; its bar,
// notices and notebook in a band of this window beside or below the bench's window, or, with
// the bench's window alone, in a window of their own beside this one, opened when asked for.
#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "lesson/captions.h"
#include "lesson/lesson_plan.h"
#include "lesson/session.h"

class QAction;
class QShortcut;

namespace korru::view {

class BenchWidget;
class NotebookWindow;

class MainWindow : public QWidget {
    Q_OBJECT

  public:
    // Shows `session`'s window, which must have been started and must outlive this one, with
    // the lesson's band on its `band` side; with none, the bench's window alone, as the
    // snapshot tool draws it.
    explicit MainWindow(Session& session, std::optional<LessonSide> band = LessonSide::beside);

    // The bench's surface as the window shows it, one pixel to a device-independent pixel.
    QImage bench_picture();

    // After a run-time error of the model, which the window has reported.
    bool failed() const { return failed_; }

    // The session shown, as it stands.
    const Session& session() const { return session_; }

    // Says `text` in the lesson's band (or its window, which opens beside the bench without
    // taking the keyboard), and stops nothing (Notice): a lasting notice stays until another
    // comes.
    void tell(const QString& text, bool lasting);

    // Where the notebook is kept, another window (or program) has written it.
    void store_changed();

    // The lesson open as `other`'s is, with its notebook or only its bar; none where `other` has
    // none open. For a window made again in another language.
    void show_lesson_as(const MainWindow& other);

    // The lesson's band, or its window, made when first asked for (not shown by that).
    NotebookWindow* notebook_window();

    // The side of the lesson's band; none where the bench's window is shown alone.
    std::optional<LessonSide> band() const { return band_; }
    // With the band, the window placed in `area`, a screen's room for windows: the bench's
    // window at its size, the band in the rest (lay_out_band). It is placed so where it opens.
    void place_in(const QRect& area);

    // The bench and every control of this window, on the screen: what the lesson's window and
    // its notices should leave in sight.
    std::vector<QRect> kept_in_sight() const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The lesson's part of the window (main_window_lesson.cpp).
    void add_lesson_actions();
    void copy_scene();
    void open_scene();
    void act(LessonAction action);
    // The lesson's window shown beside this one where it is not, with its notebook or only its
    // bar; raised and given the keyboard with `activate`.
    void show_lesson(bool activate, bool with_notebook);
    void put_notebook_away();
    void give_focus_back();
    bool notebook_in_sight() const;
    void place_lesson();
    int lesson_width() const;
    void show_mode();
    QRect bench_surface() const;
    QByteArray bench_drawing() const;

    void build_items();
    void add_keys();
    void add_picture_actions();
    void copy_bench();
    void save_bench();
    void describe_bench();
    QWidget* make_widget(int id, QWidget* parent);
    void set_tab_order();
    void place_window();
    QMargins frame_margins() const;
    void show_model();
    // What a call of the session changed, shown: the one place of it.
    void present(const Outcome& out);
    // A call of the session that may raise the model's run-time error: on one, the window
    // reports it and the run ends; nothing more reaches the model.
    void attempt(const std::function<Outcome()>& call);
    void deliver(Step s);
    // Whether the window may end now: every row kept, tried once more, or the user's answer to
    // the question on the rows that are not.
    bool may_end();

    Session& session_;
    const Window& model_;
    std::array<QWidget*, kItemCount> widgets_{};  // null for the bench items, which are painted
    BenchWidget* bench_ = nullptr;
    bool failed_ = false;
    bool ending_ = false;  // the window may end, its rows kept or left as the user said
    QString last_save_;    // where the last picture was saved, offered again

    std::optional<LessonSide> band_;
    QMargins placed_frame_;  // the frame the platform told when the window was last placed
    NotebookWindow* notebook_window_ = nullptr;
    QPointer<QWidget> focus_before_notebook_;  // where the keyboard goes back to
    // The lesson's actions with keys, in the menu: each enabled and checked as the lesson's
    // flow says.
    std::vector<std::pair<LessonAction, QAction*>> lesson_keys_;
    std::vector<QShortcut*> mark_keys_;  // enabled while a prediction is asked for
    QAction* look_ = nullptr;            // the projector's look, ticked while it is shown
};

// The Qt key of a lesson action's key.
int lesson_key(char letter);

// A window's frame as the model assumes it where the platform has told none yet.
QMargins nominal_frame();

// Shows a run-time error of the model in a message box.
void report_error(QWidget* parent, const RuntimeError& e);

}  // namespace korru::view
