// SPDX-License-Identifier: MIT
// Pictures for the clipboard and for files, and files written whole.
#include "view/worksheet.h"

#include <QBuffer>

#include "view/file_write.h"

namespace korru::view {

namespace {

QByteArray png_bytes(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

}  // namespace

QMimeData* pictures_mime_data(const QImage& bench, const QByteArray& svg) {
    auto* data = new QMimeData;
    data->setImageData(bench);
    data->setData(QStringLiteral("image/png"), png_bytes(bench));
    data->setData(QStringLiteral("image/svg+xml"), svg);
    return data;
}

bool save_picture(const QImage& bench, const QByteArray& svg, const QString& file, QString& error) {
    const bool as_svg = file.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
    return save_bytes(as_svg ? svg : png_bytes(bench), file, error);
}

bool save_bytes(const QByteArray& bytes, const QString& file, QString& error) {
    const FileWrite written = write_whole(bytes, file);
    if (written.written()) return true;
    error = not_written_text(file, written);
    return false;
}

}  // namespace korru::view
