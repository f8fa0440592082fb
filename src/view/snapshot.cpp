// SPDX-License-Identifier: MIT
// The window picture is rendered from the same widgets the program shows; the vector drawings are
// written by the one SVG writer of every face, with the desktop's fonts and pictures.
#include "view/snapshot.h"

#include <QApplication>
#include <QBuffer>
#include <QFontInfo>
#include <QFontMetrics>
#include <map>
#include <utility>

#include "view/fonts.h"
#include "view/language.h"
#include "view/main_window.h"
#include "view/pictures.h"
#include "view/program.h"

namespace korru::view {

QImage window_picture(Session& session) {
    use_window_style();
    MainWindow window(session, std::nullopt);  // the bench's window alone
    window.show();
    QApplication::processEvents();
    QImage image(window.size(), QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    window.render(&image);
    return image;
}

namespace {

// What the SVG writer asks of the desktop beside its words: its fonts and pictures.
SvgLook::Face face(const Text& t) {
    const QFont font = text_font(t);
    return {"'" + gothic_family().toStdString() + "', sans-serif",
            static_cast<double>(QFontInfo(font).pixelSize()), font.bold(),
            static_cast<double>(QFontMetrics(font).ascent())};
}

const std::string& picture_url(std::string_view name, bool turned) {
    static std::map<std::pair<std::string, bool>, std::string> urls;
    auto [at, first] = urls.try_emplace({std::string(name), turned});
    if (first) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        picture(name, turned).save(&buffer, "PNG");
        at->second = "data:image/png;base64," + png.toBase64().toStdString();
    }
    return at->second;
}

}  // namespace

SvgLook svg_look() {
    return {translated_utf8, face, picture_url};
}

}  // namespace korru::view
