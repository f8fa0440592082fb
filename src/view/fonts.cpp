// SPDX-License-Identifier: MIT
// Font choice and sizing. Sizes are set in pixels, so the window looks the same whatever
// resolution the platform reports: a point is 4/3 of a device-independent pixel.
#include "view/fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>
#include <cmath>

#include "view/twips.h"

namespace korru::view {

namespace {

constexpr int kDefaultPixels = 12;  // 9 points: one line of text in a 255-twip row

// A push button's frame takes this much of its width and height.
constexpr int kButtonFrame = 4;

}  // namespace

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
    font.setPixelSize(kDefaultPixels);
    return font;
}

QFont item_font(const ItemDef& def) {
    QFont font = window_font();
    if (def.look.font.face.empty()) return font;
    font.setBold(def.look.font.bold);
    const QString caption =
        QString::fromUtf8(def.caption.data(), static_cast<qsizetype>(def.caption.size()));
    const int frame = def.kind == Kind::button ? kButtonFrame : 0;
    const int width = px(def.width) - frame, height = px(def.height) - frame;
    // A button centres its caption's ink, so only the ink must fit; a label needs its whole line.
    const auto fits = [&] {
        const QFontMetrics metrics(font);
        if (def.kind == Kind::button) {
            const QRect ink = metrics.tightBoundingRect(caption);
            return ink.width() <= width && ink.height() <= height;
        }
        return metrics.height() <= height && metrics.horizontalAdvance(caption) <= width;
    };
    for (int pixels = static_cast<int>(std::lround(def.look.font.points * 4 / 3));; --pixels) {
        font.setPixelSize(pixels);
        if (pixels <= kDefaultPixels || fits()) break;
    }
    return font;
}

}  // namespace korru::view
