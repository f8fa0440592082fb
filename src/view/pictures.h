// SPDX-License-Identifier: MIT
// The program's pictures: the candle, the turned candle and the window icon, built once from the
// XPM grids in assets/.
#pragma once

#include <QIcon>
#include <QImage>

#include "window/definition.h"

namespace korru::view {

// The bitmap of a picture item; a null image for PictureId::none.
const QImage& picture(PictureId id);

QIcon window_icon();

}  // namespace korru::view
