// SPDX-License-Identifier: MIT
// The window picture is rendered from the same widgets the program shows; the vector drawing is
// painted by the same function as the bench widget.
#include "view/snapshot.h"

#include <QApplication>
#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

#include "view/bench_painter.h"
#include "view/main_window.h"
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

QByteArray bench_svg(const Window& model) {
    const QSize size = bench_size(model);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(96);
    svg.setTitle(QString::fromUtf8(kMainDef.caption.data(),
                                   static_cast<qsizetype>(kMainDef.caption.size())));
    svg.setDescription(QStringLiteral("A thin convex lens on an optical bench"));
    QPainter p(&svg);
    paint_bench(p, model);
    p.end();
    return buffer.data();
}

}  // namespace korru::view
