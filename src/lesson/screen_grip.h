// SPDX-License-Identifier: MIT
// The pupil's screen held by a pointer on the bench, for every face: where across the screen it
// was taken, and the screen_r or screen_l steps, one by one, that bring it under the pointer. As
// the candle's grip, it keeps the experiment's rules (takes_screen, screen_steps_to) and adds
// only the hold.
#pragma once

#include <cstdlib>

#include "lesson/experiment.h"
#include "lesson/steps.h"

namespace korru {

class ScreenGrip {
  public:
    // Takes the screen if a press at `p` does (takes_screen); returns whether it did.
    bool press(const Window& w, const Experiment& e, BenchPoint p, float reach) {
        held_ = takes_screen(w, e, p, reach);
        if (held_) offset_ = p.x - middle(w, e);
        return held_;
    }
    bool held() const { return held_; }
    void release() { held_ = false; }

    // Delivers, one by one through deliver(click), the steps that bring the screen where the
    // pointer at `p` holds it, none past its limits; a face that lets go of it while a step is
    // delivered stops it there. Returns how many steps were delivered.
    template <typename Deliver>
    int follow(const Window& w, const Experiment& e, BenchPoint p, Deliver&& deliver) const {
        if (!held_) return 0;
        const int steps = screen_steps_to(w, e, p.x - offset_);
        const LessonClick way = steps > 0 ? LessonClick::screen_r : LessonClick::screen_l;
        for (int n = 1; n <= std::abs(steps); ++n) {
            deliver(way);
            if (!held_) return n;  // let go on the way (the program stopped)
        }
        return std::abs(steps);
    }

  private:
    static float middle(const Window& w, const Experiment& e) {
        return w.bench.lensx + experiment_facts(w, e).screen_x;
    }

    bool held_ = false;
    float offset_ =
        0;  // twips: from the screen's middle to the pointer across the bench, when taken
};

}  // namespace korru
