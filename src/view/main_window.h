// SPDX-License-Identifier: MIT
// The window `main`: shows the window model and delivers the user's clicks to it.
// The model is the one source of truth: every click (of a button, an arrow key or a drag of the
// candle on the bench) goes through the model's click(), and the widgets' states and the bench
// are then read back from the model.
#pragma once

#include <QImage>
#include <QWidget>
#include <array>

#include "commands/commands.h"
#include "window/window.h"

namespace korru::view {

class BenchWidget;

class MainWindow : public QWidget {
    Q_OBJECT

  public:
    // Shows `model`, which must have been started up and must outlive the window.
    explicit MainWindow(Window& model);

    // The bench's surface as the window shows it, one pixel to a device-independent pixel.
    QImage bench_picture();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void build_items();
    void add_keys();
    void add_picture_actions();
    void copy_bench();
    void save_bench();
    void describe_bench();
    QWidget* make_widget(int id, QWidget* parent);
    void set_tab_order();
    void place_window();
    void show_model();
    void deliver(Click c);

    Window& model_;
    std::array<QWidget*, kItemCount> widgets_{};  // null for the bench items, which are painted
    BenchWidget* bench_ = nullptr;
    bool failed_ = false;
    QString last_save_;  // where the last picture was saved, offered again
};

// Shows a run-time error of the model in a message box.
void report_error(QWidget* parent, const RuntimeError& e);

}  // namespace korru::view
