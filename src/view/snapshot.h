// SPDX-License-Identifier: MIT
// Pictures of a started window model for the snapshot tool: the client area as the window shows
// it, and the bench alone as a vector drawing. Both need a QApplication.
#pragma once

#include <QByteArray>
#include <QImage>

#include "window/window.h"

namespace korru::view {

// The window's client area, one pixel to a device-independent pixel.
QImage window_picture(Window& model);

// The bench as SVG, sized in device-independent pixels.
QByteArray bench_svg(const Window& model);

}  // namespace korru::view
