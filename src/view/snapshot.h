// SPDX-License-Identifier: MIT
// Pictures of a started window model for the snapshot tool: the client area as the window shows
// it, and the bench alone as a vector drawing. Both need a QApplication.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <string>
#include <string_view>

#include "bench/drawing.h"
#include "lesson/prediction.h"
#include "window/window.h"

namespace korru::view {

// The window's client area, one pixel to a device-independent pixel.
QImage window_picture(Window& model);

// The bench as SVG, sized in device-independent pixels, described by the scene in words.
QByteArray bench_svg(const Window& model);

// The same as the lesson shows it: while a prediction is asked for, without what it hides, with
// the mark, and described as the bench is then.
QByteArray bench_svg(const Window& model, const Prediction& prediction);

// Any drawing as SVG, with the desktop's words, fonts and pictures.
std::string drawing_svg(const Drawing& drawing, QSize size, std::string_view title,
                        std::string_view description);

}  // namespace korru::view
