// SPDX-License-Identifier: MIT
// The model's 0xRRGGBB colours as the toolkit's.
#pragma once

#include <QColor>

#include "window/definition.h"

namespace korru::view {

inline QColor colour(Rgb rgb) {
    return QColor(static_cast<QRgb>(rgb));
}

}  // namespace korru::view
