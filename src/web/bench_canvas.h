// SPDX-License-Identifier: MIT
// The bench on the page: a canvas painted from the shared bench drawing, the way the desktop's
// painter paints it, in device pixels so that it stays crisp at any devicePixelRatio. The
// worksheet's picture is another one, painted one pixel to a CSS pixel.
#pragma once

#include <emscripten/val.h>

#include <array>
#include <string>
#include <vector>

#include "bench/drawing.h"
#include "web/pixels.h"
#include "web/repaint.h"

namespace korru::web {

class BenchCanvas {
  public:
    explicit BenchCanvas(emscripten::val canvas);

    // Gives the canvas a backing store for a bench of width x height pixels at `ratio` device
    // pixels to a pixel; where it stands and how large it is shown is the page's to say.
    void resize(int width, int height, double ratio);

    // Paints the drawing, its labels in the reader's language: on a canvas of kInPartsFrom
    // device pixels or more that shows the last drawing painted, only what differs from it.
    void paint(const Drawing& drawing);

    // Below this many device pixels (a bench of 1920x1080 at a ratio of 1 has 1.2 million) the
    // browser fills the whole canvas in a fraction of a millisecond, and the canvas is painted
    // whole each time; above it, as on a large screen at a high pixel ratio, filling it takes
    // milliseconds, and it is painted in parts.
    static constexpr double kInPartsFrom = 2'000'000;

    // The canvas cleared behind its back (a context lost and restored): the next paint paints
    // it all.
    void forget_painted() { painted_.clear(); }

    const emscripten::val& canvas() const { return canvas_; }
    int device_width() const { return width_; }
    int device_height() const { return height_; }

  private:
    struct Painter;

    // The picture stretched to width x height device pixels, as a canvas.
    const emscripten::val& stretched(const Picture& pic, int width, int height);

    emscripten::val canvas_, context_;
    double ratio_ = 1;            // device pixels to a pixel of the bench
    int width_ = 0, height_ = 0;  // device pixels
    // The lens's oval as last drawn: it changes only with the focal length and the screen.
    struct Oval {
        int width = -1, height = -1, thickness = -1;
        Rgb outline = 0, fill = 0;
        emscripten::val canvas = emscripten::val::undefined();
    } oval_;
    // The pictures as last drawn, each stretched to its box: the candle and its image move,
    // and are stretched again, only when the candle does.
    struct Stretched {
        std::string name;
        bool turned = false, smooth = false;
        Rgb outline = 0;
        int outline_width = 0;
        int width = -1, height = -1;
        emscripten::val canvas = emscripten::val::undefined();
    };
    std::array<Stretched, 4> pictures_{};
    std::size_t next_picture_ = 0;
    // Painted again in parts, its slanting lines in pieces; what it shows as painted so, empty
    // where that is not known (a new backing store, a new ratio, or painted whole).
    bool in_parts() const { return static_cast<double>(width_) * height_ >= kInPartsFrom; }
    std::vector<Painted> painted_;
};

}  // namespace korru::web
