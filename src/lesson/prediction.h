// SPDX-License-Identifier: MIT
// Predict, then look. While a prediction is asked for, the bench hides the image, its label, the
// screen and the rays, and says only where the candle stands and the focal length; the pupil
// marks where they expect the tip of the image; the answer shows all again, with how far the
// mark was from the image's tip. The lesson's flow (flow.h) says when each happens. It stands
// beside the window, never in it: the window's items and JSON stay as they are.
#pragma once

#include <optional>
#include <string>

#include "bench/description.h"
#include "bench/drawing.h"
#include "commands/drag.h"
#include "window/window.h"

namespace korru {

class Prediction {
  public:
    bool asked() const { return asked_; }
    // Asking starts afresh, with no mark and the answer hidden; not asking shows the bench as
    // the window has it.
    void ask(bool on);

    const std::optional<BenchPoint>& mark() const { return mark_; }
    // A mark put (only while asked), which hides the answer; where a mark moved a quarter square
    // across and down (the keyboard's way) would stand, from the lens's centre when there is none
    // yet.
    void put_mark(BenchPoint p);
    BenchPoint nudged(const Window& w, int across, int down) const;

    // The mark put again where it stood on `from`'s bench, in squares from the lens's centre,
    // on `to`'s: a new screen keeps the pupil's mark, and the answer as it was.
    void carry_mark(const Window& from, const Window& to);

    bool answer_shown() const { return answer_; }
    void show_answer();
    // The answer hidden again, the mark where it was.
    void hide_answer() { answer_ = false; }

    // Whether the bench leaves the item out now.
    bool hides(int item) const;

  private:
    bool asked_ = false, answer_ = false;
    std::optional<BenchPoint> mark_;
};

// Whether a click moved the image: the candle, its lift or the focal length changed. A mark made
// for the bench before is not one for the bench after.
bool moves_image(const BenchState& before, const BenchState& after);

// Where the image's tip (the flame's point) is: the bottom middle of the turned real image, the
// top middle of the upright virtual one; none where there is no image.
std::optional<BenchPoint> image_tip(const Window& w);

// How far the mark was from the image's tip, in squares, once the answer is shown and there are
// both a mark and an image.
std::optional<float> squares_off(const Window& w, const Prediction& p);

// The bench as the lesson shows it: the window's drawing less what the prediction hides, then
// the mark and, with the answer, a line from the mark to the tip with how far it is. The
// drawing's words are kept in `words`, which must outlive it.
void draw_lesson(const Window& w, const Prediction& p, const Translate& translate, Drawing& out,
                 std::string& words);

// The prediction's part of it, on a drawing of the bench already made. On the pupil's own
// screen (the experiment), what it hides is the light on the screen, not the screen.
void add_prediction(const Window& w, const Prediction& p, const Translate& translate, Drawing& out,
                    std::string& words, bool pupils_screen = false);

// The bench in words: the scene, or while a prediction is asked for only the candle and the lens
// and what to do; with the answer, the scene and how far the mark was.
std::string describe_lesson(const Window& w, const Prediction& p, const Translate& translate);

// The texts of this file, for the catalogue.
std::vector<std::string_view> prediction_texts();

}  // namespace korru
