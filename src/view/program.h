// SPDX-License-Identifier: MIT
// The program's run: start-up on the primary screen, the lesson's session over the window model
// (and over the kept notebook's file), the window, the event loop, and the one failure path (a
// run-time error of the model, shown in a message box, then a non-zero exit).
#pragma once

#include <QObject>
#include <memory>
#include <optional>
#include <string>

#include "commands/startup.h"
#include "lesson/lesson_plan.h"
#include "lesson/session.h"

namespace korru::view {

// What a run starts with beyond the bench of start-up.
struct Start {
    std::string scene;           // a scene's text or a link to one, made before the window shows
    bool keep_notebook = false;  // the notebook kept in the data folder (kept_notebook_file)
    // The side of the lesson's band in korru's window; none for the bench's window alone.
    std::optional<LessonSide> band = LessonSide::beside;
};

// The window's look on every platform: the Fusion style in its standard light colours, against
// which the window's own colours were chosen (a dark desktop theme would swallow the blue title).
void use_window_style();

// The primary screen's size in twips, 15 to a device-independent pixel.
ScreenSize primary_screen();

// The screen the bench's window starts up on and the side of the lesson's band: as plan_lesson
// puts them in the primary screen's room (its available area inside the window's frame), or the
// primary screen and none with `bench_only`, or where no window fits beside the lesson's room.
struct ProgramScreen {
    ScreenSize screen;
    std::optional<LessonSide> band;
};
ProgramScreen program_screen(bool bench_only);

// Whether the bench's window is shown alone (--bench-only), as last chosen in the bench's menu.
bool bench_only_kept();
void keep_bench_only(bool alone);

class FileStore;
class MainWindow;

// The program's window, made again over the same session when a language is chosen from its
// menu: the scene, the prediction and the notebook stay as they are, the lesson's window stays
// open where it was, and every word is the new language's.
class ProgramWindow : public QObject {
  public:
    // Shows `session`'s window with the lesson's band on its `band` side (none: the bench's window
    // alone); the session, and the store where one is given, outlive it.
    ProgramWindow(Session& session, FileStore* store,
                  std::optional<LessonSide> band = LessonSide::beside);
    ~ProgramWindow() override;

    MainWindow& window() const { return *window_; }

  private:
    void make();
    void remake();

    Session& session_;
    FileStore* store_;
    std::optional<LessonSide> band_;
    std::unique_ptr<MainWindow> window_;
};

// Starts a session over `model` on `screen` (program_screen's) with `start`'s scene, sets the
// window style, shows the window and runs the event loop. A scene not understood, or a kept
// notebook set aside or not read, is told in the window's notice and in a line on standard error,
// and the run goes on without it. Returns the exit status: 0 when the window was closed, 1 after a
// run-time error. Needs a QApplication.
int run_program(Window& model, ScreenSize screen, const Start& start = {});

}  // namespace korru::view
