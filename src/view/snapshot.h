// SPDX-License-Identifier: MIT
// Pictures of a lesson's window for the snapshot tool and the worksheets: the client area as the
// window shows it, and what the desktop lends the one SVG writer of every face (its words, fonts
// and pictures) for the bench's and the plot's vector drawings. They need a QApplication.
#pragma once

#include <QImage>

#include "bench/svg.h"
#include "lesson/session.h"

namespace korru::view {

// The window's client area as it shows `session` (a prediction's bench too), one pixel to a
// device-independent pixel.
QImage window_picture(Session& session);

// The desktop's words, fonts and pictures for an SVG: session.bench_svg(svg_look()).
SvgLook svg_look();

}  // namespace korru::view
