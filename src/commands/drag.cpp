// SPDX-License-Identifier: MIT
// The candle under a pointer.
#include "commands/drag.h"

#include <algorithm>

namespace korru {

namespace {

bool inside(float left, float top, float width, float height, BenchPoint p) {
    return p.x >= left && p.x < left + width && p.y >= top && p.y < top + height;
}

bool inside(const Item& it, BenchPoint p) {
    return inside(it.left, it.top, it.width, it.height, p);
}

}  // namespace

BenchPoint candle_foot(const Window& w) {
    return {w.bench.lensx - w.bench.sdist, w.bench.axisy - w.bench.slift};
}

bool takes_candle(const Window& w, BenchPoint p, float reach) {
    const Item& candle = w[Window::ids::source];
    if (inside(candle, p) || inside(w[Window::ids::source_label], p)) return true;
    const float width = std::max(candle.width, reach), height = std::max(candle.height, reach);
    return inside(candle.left + candle.width / 2 - width / 2,
                  candle.top + candle.height / 2 - height / 2, width, height, p);
}

std::optional<Click> click_across(const Window& w, BenchPoint foot) {
    const float at = candle_foot(w).x, half_step = w.bench.step / 2;
    if (foot.x <= at - half_step) return Click::ml;
    if (foot.x >= at + half_step) return Click::mr;
    return std::nullopt;
}

std::optional<Click> click_up_down(const Window& w, BenchPoint foot) {
    const float at = candle_foot(w).y, half_step = w.bench.step / 2;
    if (foot.y <= at - half_step) return Click::mu;
    if (foot.y >= at + half_step) return Click::md;
    return std::nullopt;
}

bool CandleGrip::press(const Window& w, BenchPoint p, float reach) {
    held_ = takes_candle(w, p, reach);
    if (held_) {
        const BenchPoint foot = candle_foot(w);
        offset_ = {p.x - foot.x, p.y - foot.y};
    }
    return held_;
}

}  // namespace korru
