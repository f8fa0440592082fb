// SPDX-License-Identifier: MIT
// The icons the desktop shows: every raster size is the pixel art with each pixel repeated (no
// smoothing, no shift), and the scalable drawing shows the same picture.
#include "assets/icon.xpm"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>
#include <algorithm>
#include <cstdlib>

namespace {

QImage pixel_art() {
    return QImage(icon_xpm).convertToFormat(QImage::Format_ARGB32);
}

QString png_path(int size) {
    return QStringLiteral(KORRU_ICON_DIR "/%1x%1/apps/" KORRU_APP_ID ".png").arg(size);
}

int colour_distance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

TEST(PixelArt, IsAnOpaque32By32PictureOfAtMost16Colours) {
    const QImage art = pixel_art();
    ASSERT_EQ(art.size(), QSize(32, 32));
    QSet<QRgb> colours;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            ASSERT_EQ(qAlpha(art.pixel(x, y)), 255) << x << "," << y;
            colours.insert(art.pixel(x, y));
        }
    }
    EXPECT_LE(colours.size(), 16);
}

class RasterIcon : public testing::TestWithParam<int> {};

TEST_P(RasterIcon, RepeatsEveryPixelOfThePixelArt) {
    const int size = GetParam();
    const QImage art = pixel_art();
    QImage icon(png_path(size));
    ASSERT_FALSE(icon.isNull()) << png_path(size).toStdString();
    ASSERT_EQ(icon.size(), QSize(size, size));
    icon = icon.convertToFormat(QImage::Format_ARGB32);
    const int factor = size / art.width();
    int wrong = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (icon.pixel(x, y) != art.pixel(x / factor, y / factor)) ++wrong;
        }
    }
    EXPECT_EQ(wrong, 0) << "pixels of the " << size << "x" << size << " icon that are not a copy";
}

INSTANTIATE_TEST_SUITE_P(Sizes, RasterIcon, testing::Values(32, 64, 128, 256),
                         [](const auto& info) { return std::to_string(info.param); });

TEST(ScalableIcon, IsASquareDrawingOfThePixelArt) {
    QSvgRenderer svg(QStringLiteral(KORRU_ICON_SVG));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBoxF(), QRectF(0, 0, 32, 32));

    // Drawn at 256 pixels and sampled at the centre of each pixel-art cell, the drawing shows the
    // pixel art's colour nearly everywhere; only the cells that a slanted ray or the lens's curve
    // cuts through may differ.
    QImage drawn(256, 256, QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    {
        QPainter p(&drawn);
        svg.render(&p);
    }
    const QImage art = pixel_art();
    int differ = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb d = drawn.pixel(x * 8 + 4, y * 8 + 4);
            ASSERT_EQ(qAlpha(d), 255) << "transparent at cell " << x << "," << y;
            if (colour_distance(d, art.pixel(x, y)) > 48) ++differ;
        }
    }
    EXPECT_LE(differ, 32 * 32 / 50) << "cells where the drawing and the pixel art differ";
}

}  // namespace
