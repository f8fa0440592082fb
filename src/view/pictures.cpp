// SPDX-License-Identifier: MIT
// Pictures from the XPM grids. The turned candle is the upright one given a half turn, so the two
// always match.
#include "view/pictures.h"

#include <QPixmap>

#include "assets/candle.xpm"
#include "assets/icon.xpm"

namespace korru::view {

const QImage& picture(PictureId id) {
    static const QImage candle(candle_xpm);
    static const QImage turned = candle.mirrored(true, true);
    static const QImage none;
    switch (id) {
        case PictureId::candle:
            return candle;
        case PictureId::candle_turned:
            return turned;
        case PictureId::none:
            break;
    }
    return none;
}

QIcon window_icon() {
    return QIcon(QPixmap(icon_xpm));
}

}  // namespace korru::view
