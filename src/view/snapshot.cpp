// SPDX-License-Identifier: MIT
// The window picture is rendered from the same widgets the program shows; the vector drawing is
// written from the bench's drawing by the one SVG writer of every face.
#include "view/snapshot.h"

#include <QApplication>
#include <QBuffer>
#include <QFontInfo>
#include <QFontMetrics>
#include <map>
#include <utility>

#include "bench/description.h"
#include "bench/svg.h"
#include "view/bench_painter.h"
#include "view/fonts.h"
#include "view/language.h"
#include "view/main_window.h"
#include "view/pictures.h"
#include "view/program.h"

namespace korru::view {

QImage window_picture(Window& model) {
    use_window_style();
    MainWindow window(model);
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

std::string drawing_svg(const Drawing& drawing, QSize size, std::string_view title,
                        std::string_view description) {
    const SvgLook look{translated_utf8, face, picture_url};
    return korru::drawing_svg(drawing, size.width(), size.height(), look, title, description);
}

QByteArray bench_svg(const Window& model) {
    return bench_svg(model, Prediction{});
}

QByteArray bench_svg(const Window& model, const Prediction& prediction) {
    Drawing drawing;
    std::string words;
    draw_lesson(model, prediction, translated_utf8, drawing, words);
    const std::string svg = drawing_svg(drawing, bench_size(model), model.main.caption,
                                        describe_lesson(model, prediction, translated_utf8));
    return QByteArray::fromStdString(svg);
}

}  // namespace korru::view
