// SPDX-License-Identifier: MIT
// The program's pictures: the candle, the turned candle and the window icon, built once from the
// XPM grids in assets/.
#pragma once

#include <QIcon>
#include <QImage>
#include <string_view>

namespace korru::view {

// The bitmap of a picture by its name in assets/, upright or given a half turn. Throws
// std::invalid_argument for a name that is not one of them.
const QImage& picture(std::string_view name, bool turned);

QIcon window_icon();

}  // namespace korru::view
