// SPDX-License-Identifier: MIT
// Font choice and sizing. Sizes are set in pixels, so the window looks the same whatever
// resolution the platform reports: a point is 4/3 of a device-independent pixel.
#include "view/fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#include "window/caption_font.h"

namespace korru::view {

const QString& gothic_family() {
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const char* name : {"IPAPGothic", "IPAexGothic", "Noto Sans CJK JP",
                                 "Source Han Sans JP", "VL PGothic", "TakaoPGothic"}) {
            if (installed.contains(QString::fromLatin1(name))) return QString::fromLatin1(name);
        }
        for (const QString& name : QFontDatabase::families(QFontDatabase::Japanese)) {
            if (!QFontDatabase::isFixedPitch(name)) return name;
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

QFont window_font() {
    QFont font(gothic_family());
    font.setPixelSize(kDefaultFontPixels);
    return font;
}

QFont item_font(const ItemDef& def) {
    QFont font = window_font();
    if (def.look.font.face.empty()) return font;
    font.setBold(def.look.font.bold);
    const QString caption =
        QString::fromUtf8(def.caption.data(), static_cast<qsizetype>(def.caption.size()));
    font.setPixelSize(caption_font_pixels(def, [&](int pixels, int width, int height) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        if (def.kind == Kind::button) {
            const QRect ink = metrics.tightBoundingRect(caption);
            return ink.width() <= width && ink.height() <= height;
        }
        return metrics.height() <= height && metrics.horizontalAdvance(caption) <= width;
    }));
    return font;
}

QFont text_font(const Text& t) {
    return t.item < 0 ? window_font() : item_font(kItems[static_cast<std::size_t>(t.item)]);
}

}  // namespace korru::view
