// SPDX-License-Identifier: MIT
// Build-time tool: writes the 32 x 32 pixel-art window icon as a PNG for the desktop's icon theme.
// Larger sizes are whole multiples of 32 and repeat every pixel, so the picture keeps its hard
// edges instead of being smoothed into a blur.
//   korru-icon-png SIZE FILE.png
#include <QImage>
#include <charconv>
#include <cstdio>
#include <string_view>

#include "assets/icon.xpm"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: korru-icon-png SIZE FILE.png\n");
        return 2;
    }
    const std::string_view size_arg = argv[1];
    int size = 0;
    const auto [end, ec] =
        std::from_chars(size_arg.data(), size_arg.data() + size_arg.size(), size);
    const QImage icon = QImage(icon_xpm).convertToFormat(QImage::Format_RGB32);
    if (icon.isNull() || icon.width() != icon.height()) {
        std::fprintf(stderr, "korru-icon-png: the icon does not load as a square picture\n");
        return 1;
    }
    if (ec != std::errc() || end != size_arg.data() + size_arg.size() || size <= 0 ||
        size % icon.width() != 0 || size > 16 * icon.width()) {
        std::fprintf(stderr, "korru-icon-png: size '%s' is not a whole multiple of %d up to %d\n",
                     argv[1], icon.width(), 16 * icon.width());
        return 2;
    }
    const QImage scaled = icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!scaled.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "korru-icon-png: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
