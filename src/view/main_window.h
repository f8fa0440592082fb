// SPDX-License-Identifier: MIT
// The window `main`: shows the window model and delivers the user's clicks to it.
// The model is the one source of truth: every click (of a button, an arrow key, a drag of the
// candle on the bench or a scene given at start) goes through the model's click(), and the
// widgets' states and the bench are then read back from the model. Beside the model the window
// keeps what a lesson adds (main_window_lesson.cpp): the clicks made, as a scene to copy; a
// prediction; the notebook of measurements, in a window of its own.
#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "commands/commands.h"
#include "lesson/notebook.h"
#include "lesson/prediction.h"
#include "window/window.h"

class QAction;
class QShortcut;

namespace korru::view {

class BenchWidget;
class Notice;
class NotebookWindow;

class MainWindow : public QWidget {
    Q_OBJECT

  public:
    // Shows `model`, which must have been started up and must outlive the window.
    explicit MainWindow(Window& model);

    // The bench's surface as the window shows it, one pixel to a device-independent pixel.
    QImage bench_picture();

    // Makes a scene's clicks one after another, as if clicked, and shows where they end.
    void play(const std::vector<Click>& clicks);
    // After a run-time error of the model, which the window has reported.
    bool failed() const { return failed_; }
    // The clicks made since start-up, a scene's and drags' included.
    const std::vector<Click>& clicks() const { return clicks_; }

    // Says `text` over the bench without stopping anything (Notice): a lasting notice stays until
    // it is put away.
    void tell(const QString& text, bool lasting);

    // Keeps the notebook in `file` from now on: reads what is kept there and writes it after
    // every change. Returns the one line to tell where the file was set aside or not read.
    QString keep_notebook_in(const QString& file);
    const Notebook& notebook() const { return notebook_; }
    // The notebook's window, made when first asked for.
    NotebookWindow* notebook_window();

    const Prediction& prediction() const { return prediction_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // The lesson's part of the window (main_window_lesson.cpp).
    void add_lesson_actions();
    void copy_scene();
    void predict(bool on);
    void show_answer();
    void put_mark(BenchPoint p);
    void nudge_mark(int across, int down);
    void record();
    void show_notebook(bool activate);
    void keep_notebook();
    QRect bench_surface() const;
    QByteArray bench_drawing() const;

    void build_items();
    void add_keys();
    void add_picture_actions();
    void copy_bench();
    void save_bench();
    void describe_bench();
    // The bench and its words again after the lesson changed what they show.
    void show_lesson();
    QWidget* make_widget(int id, QWidget* parent);
    void set_tab_order();
    void place_window();
    void show_model();
    bool make(Click c);
    void deliver(Click c);

    Window& model_;
    std::array<QWidget*, kItemCount> widgets_{};  // null for the bench items, which are painted
    BenchWidget* bench_ = nullptr;
    bool failed_ = false;
    QString last_save_;  // where the last picture was saved, offered again

    std::vector<Click> clicks_;
    Prediction prediction_;
    Notebook notebook_;
    std::optional<QString> kept_in_;  // where the notebook is kept, if anywhere
    Notice* notice_ = nullptr;
    NotebookWindow* notebook_window_ = nullptr;
    QAction* answer_ = nullptr;          // enabled while a prediction is asked for
    std::vector<QShortcut*> mark_keys_;  // the same
};

// Shows a run-time error of the model in a message box.
void report_error(QWidget* parent, const RuntimeError& e);

}  // namespace korru::view
