// SPDX-License-Identifier: MIT
// Font choice and sizing. Sizes are set in pixels, so the window looks the same whatever
// resolution the platform reports: a point is 4/3 of a device-independent pixel.
#include "view/fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#include "view/language.h"
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

QStringList caption_families() {
    // The faces of Debian's Noto families that the package depends on, for the scripts the
    // Gothic face lacks (Hangul, Devanagari, Vietnamese's letters) or draws in Japanese forms
    // (Chinese); each followed by the Gothic face for what it lacks in turn (◀).
    const std::string_view code = current_language().code;
    QStringList wanted;
    if (code == "zh_CN") wanted = {QStringLiteral("Noto Sans CJK SC")};
    if (code == "ko") wanted = {QStringLiteral("Noto Sans CJK KR")};
    if (code == "vi") wanted = {QStringLiteral("Noto Sans")};
    if (code == "ne")
        wanted = {QStringLiteral("Noto Sans Devanagari"), QStringLiteral("Noto Sans")};
    const QStringList installed = QFontDatabase::families();
    QStringList families;
    for (const QString& family : wanted) {
        if (installed.contains(family)) families << family;
    }
    return families << gothic_family();
}

QFont window_font() {
    QFont font;
    font.setFamilies(caption_families());
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
    QFont font = t.item < 0 ? window_font() : item_font(kItems[static_cast<std::size_t>(t.item)]);
    if (t.pixels > 0) font.setPixelSize(t.pixels);
    return font;
}

}  // namespace korru::view
