// SPDX-License-Identifier: MIT
// The bench and the notebook's plot as pictures for worksheets: copied to the clipboard as PNG
// and SVG, or saved to a file. The bench's pictures are those of the snapshot tool: the bench
// part of its window picture, and its vector drawing (bench_svg).
#pragma once

#include <QByteArray>
#include <QImage>
#include <QMimeData>
#include <QString>

namespace korru::view {

// The bench as PNG (image/png, and the toolkit's image for programs that take that) and as SVG
// (image/svg+xml).
QMimeData* pictures_mime_data(const QImage& bench, const QByteArray& svg);

// Writes the picture to `file`: the SVG for a name ending in .svg, the picture as PNG for any
// other. On failure returns false, says in `error` where, why and what to do, and leaves any
// earlier file as it was.
bool save_picture(const QImage& bench, const QByteArray& svg, const QString& file, QString& error);

// Writes `bytes` to `file` whole or not at all (write_whole), as save_picture does.
bool save_bytes(const QByteArray& bytes, const QString& file, QString& error);

}  // namespace korru::view
