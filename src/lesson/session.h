// SPDX-License-Identifier: MIT
// A lesson's session, one for each window or page, beneath both faces: the steps made since
// start-up and their replay, the prediction, the notebook and how it is kept, the scene to copy,
// what may be recorded and why not, and what the bench and the plot show and say, as drawings,
// SVG and words. A face turns the user's events into its calls and shows what each returns;
// every rule of the lesson is here, once, and runs headless.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bench/drawing.h"
#include "bench/look.h"
#include "bench/svg.h"
#include "lesson/captions.h"
#include "lesson/experiment.h"
#include "lesson/flow.h"
#include "lesson/languages.h"
#include "lesson/notebook_keeper.h"
#include "lesson/plot.h"
#include "lesson/prediction.h"
#include "lesson/scene_text.h"
#include "lesson/steps.h"
#include "window/screen.h"
#include "window/window.h"

namespace korru {

// What a call changed, for the face to show.
struct Outcome {
    bool bench = false;  // what the bench shows: paint it and say it again
    bool rows = false;   // the notebook's rows
    bool mode = false;   // the lesson's mode: a prediction asked for, its answer shown
    std::optional<Notice> notice;
    // A passing notice on what to do while predicting is done with: the face puts it away.
    bool withdraw = false;

    Outcome& operator|=(const Outcome& other);
};

// A scene to copy, or why not (the text is then empty); what to tell the reader either way.
struct SceneCopy {
    std::optional<std::string> scene;
    Notice notice;
};

class Session {
  public:
    // Shows its lesson on `window`, which it starts up and replays into; with a store, the
    // notebook is kept there. The words are those of `translate`, and the texts that count rows
    // those of `counted` (by default, `translate`'s with "%n" replaced by the number).
    Session(Window& window, Translate translate, Store* store = nullptr,
            CountedTranslate counted = {});

    // Start-up on `screen`, then the steps (a scene's). Raises the model's RuntimeError.
    void start(ScreenSize screen, std::vector<Step> steps = {});
    // Start-up on `screen` with a scene's text or a link to one, as a face starts: a text not
    // understood is said, and the bench starts with no steps; a scene that asks for a prediction
    // says what to do. Raises RuntimeError.
    Outcome start_scene(ScreenSize screen, std::string_view scene);
    // A scene's text or a link to one: the bench starts up again on the same screen with its
    // steps. A text not understood changes nothing and is said. Raises RuntimeError.
    Outcome open(std::string_view scene);
    // A new screen: start-up on it and the steps again; the prediction and its mark stand where
    // they stood on the bench. Raises RuntimeError.
    void replay(ScreenSize screen);

    // One step, a click of the window or the lesson's own. Raises the model's RuntimeError,
    // leaving the window as the failing routine left it and the step unmade.
    Outcome make(Step s);

    const Window& window() const { return window_; }
    // The experiment: the pupil's own screen and the lens's covers (experiment, screen_r,
    // screen_l, cover_upper, cover_lower steps). Used once any of its steps has been made.
    const Experiment& experiment() const { return experiment_; }
    bool experiment_used() const;
    // The experiment's numbers for the snapshot tool's JSON, `"lesson":{...}`, where it is used;
    // empty where not, so that the window's JSON stays as it was.
    std::string lesson_json() const;
    // The window as `korru-snapshot --json` writes it, with the lesson's numbers where the
    // experiment is used.
    std::string json() const;
    ScreenSize screen() const { return screen_; }
    const std::vector<Step>& steps() const { return steps_; }

    // A lesson action of the bar, the menu or a key, as one call, by the lesson's flow; one that
    // cannot be taken now says why. Opening the notebook is the face's own (nothing happens here).
    Outcome act(LessonAction a);
    LessonMode mode() const { return lesson_mode(prediction_); }
    LessonState state() const { return {mode(), experiment_}; }
    Availability availability(LessonAction a) const { return korru::availability(state(), a); }

    // Predict, then look.
    const Prediction& prediction() const { return prediction_; }
    bool answer_hidden() const { return korru::answer_hidden(mode()); }
    // A prediction started (P: a new one after an answer too), or given up.
    Outcome predict(bool on);
    Outcome put_mark(BenchPoint p);
    Outcome nudge_mark(int across, int down);
    Outcome show_answer();
    // After an answer, a new prediction where the candle will stand next: no mark, the answer
    // hidden.
    Outcome next_prediction();

    // The notebook: a row of the bench as it stands, unless the answer is hidden (the row would
    // give it away) or it is the same as the last row; a row taken out; all the rows shown, once
    // asked (clear_question, remove_question).
    const Notebook& notebook() const { return keeper_.notebook(); }
    // Rows waiting only for the store to be held a moment later are not said to be unkept.
    std::size_t unkept_rows() const { return keeper_.pending() ? 0 : keeper_.unkept(); }
    Outcome load_notebook();
    Outcome store_changed();
    Outcome record();
    std::string remove_question(RowId id) const;
    Outcome remove_row(RowId id);
    std::string clear_question() const;
    Outcome clear_rows();
    // The notebook as the CSV a face saves.
    std::string notebook_csv() const;

    // The bench's look, the window's or the projector's: a setting of the room, which a scene's
    // text may ask for and which the scene to copy carries.
    BenchLook look() const { return look_; }
    Outcome set_look(BenchLook look);

    // The scene to hand out: the shortest text that replays to this state, a prediction asked
    // for included, in the look shown.
    SceneCopy scene_to_copy() const;

    // The bench as the lesson shows it, for a face painting at `ratio` device pixels to a pixel
    // (the light on the pupil's screen is computed for it); valid until the next call that
    // changes the session.
    const Drawing& bench_drawing(double ratio = 1);
    std::string words() const;
    std::string bench_svg(const SvgLook& look) const;

    // The plot of the notebook on width x height pixels, and as SVG at the size of a picture.
    void draw_plot(PlotView view, int width, int height, Drawing& out,
                   std::deque<std::string>& words) const;
    std::string plot_svg(PlotView view, const SvgLook& look) const;

    // The line a face shows while rows are not yet kept; empty when every row is.
    std::string unkept_text() const;

  private:
    // The lesson's flow taken by `e`, with the mark put where it is one.
    Outcome move(FlowEvent e, std::optional<BenchPoint> mark = std::nullopt);
    Outcome started() const;
    Outcome kept(std::optional<Notice> said, bool rows = true);
    void draw(Drawing& out, std::string& words, double ratio) const;

    Window& window_;
    Translate translate_;
    CountedTranslate counted_;
    ScreenSize screen_{};
    std::vector<Step> steps_;
    Prediction prediction_;
    Experiment experiment_;
    NotebookKeeper keeper_;
    Drawing drawing_;
    std::string drawing_words_;
    BenchLook look_ = BenchLook::window;
};

// A lesson's own click, on the prediction and the experiment.
void lesson_click(LessonClick c, Prediction& p, Experiment& e);

// The plot as a picture for a worksheet, in pixels: the SVG's size, and the PNG's drawn at
// kPrintRatio times it, 1600 pixels wide, sharp on a printed page. The light on the pupil's screen
// in the bench's SVG is computed at the same ratio.
inline constexpr int kPlotPictureWidth = 800, kPlotPictureHeight = 600;
inline constexpr int kPrintRatio = 2;

// The texts of this file, for the catalogue.
std::vector<std::string_view> session_texts();

}  // namespace korru
