// SPDX-License-Identifier: MIT
// A browser timer that calls one of the module's entry points once, after a delay. Started
// again, it forgets the earlier start; stopped, it does not call at all.
#pragma once

#include <emscripten/val.h>

namespace korru::web {

class Timer {
  public:
    explicit Timer(const char* entry_point) : entry_point_(entry_point) {}

    void start(int milliseconds) {
        stop();
        id_ = window().call<emscripten::val>(
            "setTimeout", emscripten::val::module_property(entry_point_), milliseconds);
    }

    void stop() {
        if (id_.isUndefined()) return;
        window().call<void>("clearTimeout", id_);
        id_ = emscripten::val::undefined();
    }

    // For the entry point, when the timer has gone off.
    void fired() { id_ = emscripten::val::undefined(); }

  private:
    static emscripten::val window() { return emscripten::val::global("window"); }

    const char* entry_point_;
    emscripten::val id_ = emscripten::val::undefined();
};

}  // namespace korru::web
