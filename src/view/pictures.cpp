// SPDX-License-Identifier: MIT
// Pictures from the XPM grids. The turned candle is the upright one given a half turn, so the two
// always match.
#include "view/pictures.h"

#include <QPixmap>
#include <stdexcept>
#include <string>

#include "assets/candle.xpm"
#include "assets/icon.xpm"

namespace korru::view {

const QImage& picture(std::string_view name, bool turned) {
    static const QImage candle(candle_xpm);
    static const QImage candle_turned = candle.mirrored(true, true);
    if (name != "candle") throw std::invalid_argument("no picture named " + std::string(name));
    return turned ? candle_turned : candle;
}

QIcon window_icon() {
    return QIcon(QPixmap(icon_xpm));
}

}  // namespace korru::view
