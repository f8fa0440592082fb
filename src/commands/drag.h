// SPDX-License-Identifier: MIT
// Taking the candle with a pointer, for every face: where a press takes it, and the arrow clicks
// that bring it to where the pointer holds it. The model sees only those clicks, so a drag is
// replayed, saved and compared like any other clicks.
#pragma once

#include <optional>

#include "commands/commands.h"
#include "window/window.h"

namespace korru {

// A point of the bench, in twips from its top-left corner.
struct BenchPoint {
    float x = 0, y = 0;
};

// Where the candle stands: the middle of its foot, at lensx - sdist and axisy - slift.
BenchPoint candle_foot(const Window& w);

// Whether a press at `p` takes the candle: on the candle, on its label, or anywhere within a
// square of `reach` twips centred on the candle (a finger's target around a thin picture).
bool takes_candle(const Window& w, BenchPoint p, float reach);

// The arrow click that brings the candle's foot towards `foot`, where the pointer would have it,
// across the bench ("←" or "→") or up and down ("↑" or "↓"): none where the foot stands within
// half a step of it that way.
std::optional<Click> click_across(const Window& w, BenchPoint foot);
std::optional<Click> click_up_down(const Window& w, BenchPoint foot);

// A candle held by a pointer: it keeps where on the candle the pointer took it, so the candle
// does not jump to put its foot under the pointer.
class CandleGrip {
  public:
    // Takes the candle if a press at `p` does (takes_candle); returns whether it did.
    bool press(const Window& w, BenchPoint p, float reach);
    bool held() const { return held_; }
    void release() { held_ = false; }

    // Delivers, one by one through deliver(click), the arrow clicks that bring the candle to the
    // pointer at `p`, across the bench first, then up or down, each way as far as the candle can
    // go: at a limit it waits, and no click that would leave it where it stands is delivered.
    // A face that lets go of the candle while a click is delivered stops it there. Returns how
    // many clicks were delivered.
    template <typename Deliver>
    int follow(const Window& w, BenchPoint p, Deliver&& deliver) const {
        if (!held_) return 0;
        const BenchPoint foot{p.x - offset_.x, p.y - offset_.y};
        int delivered = 0;
        for (auto towards : {click_across, click_up_down}) {
            for (int n = 0; n < kMaxClicks; ++n) {
                const auto c = towards(w, foot);
                if (!c || !moves_candle(w, *c)) break;
                deliver(*c);
                ++delivered;
                if (!held_) return delivered;  // let go on the way (the program stopped)
            }
        }
        return delivered;
    }

  private:
    // Far more than the bench has steps (80 across, 32 up and down): a bound, never reached.
    static constexpr int kMaxClicks = 1000;
    bool held_ = false;
    BenchPoint offset_;  // from the candle's foot to the pointer, when taken
};

}  // namespace korru
