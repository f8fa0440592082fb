// SPDX-License-Identifier: MIT
// The bench drawing painted with QPainter, without antialiasing. On pixels (the window, its
// pictures) level and upright lines and the outlines of rectangles fill whole device pixels, one
// line width across (whole_device_pixels, outline_device_pixels), so every line of a kind is as
// wide as every other at any device pixel ratio, 1.25 and 1.5 too; slanting lines and the oval's
// outline are one-pixel strokes through pixel centres. The bench's origin is moved onto a whole
// device pixel first, so what is painted in pixels and what in device pixels meet. A painter that
// is turned or stretched unevenly paints in pixels throughout, its rectangles outlined by strokes.
// Pictures are scaled without smoothing where they stay small (drawn_smoothly), smoothly from the
// model's pixels where they are large; the model's rasters, which are light, with smoothing.
#include "view/bench_painter.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPen>
#include <array>
#include <cmath>
#include <string>

#include "bench/labels.h"
#include "bench/pictures.h"
#include "view/colour.h"
#include "view/fonts.h"
#include "view/language.h"
#include "view/pictures.h"
#include "view/twips.h"

namespace korru::view {

namespace {

QPen thin_pen(Rgb rgb) {
    return QPen(colour(rgb), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

QRect rect_of(const PixelBox& b) {
    return {b.left, b.top, b.width, b.height};
}

class Painter {
  public:
    explicit Painter(QPainter& p) : p_(p), pixels_(p.worldTransform()), device_(pixels_) {
        const QPaintEngine* engine = p.paintEngine();
        const QTransform& to_device = p.deviceTransform();
        on_pixels_ = engine && engine->type() == QPaintEngine::Raster &&
                     p.worldTransform().type() <= QTransform::TxTranslate &&
                     to_device.type() <= QTransform::TxScale && to_device.m11() == to_device.m22();
        if (!on_pixels_) return;
        // World transforms under which bench pixels, and bench device pixels, reach the device
        // with the bench's origin on its nearest whole device pixel. `back` undoes what the
        // painter does after its world transform (a widget's offset in the window, the device
        // pixel ratio), so that it may go on doing it.
        ratio_ = to_device.m11();
        const double x = std::floor(to_device.dx() + 0.5), y = std::floor(to_device.dy() + 0.5);
        const QTransform back = to_device.inverted() * p.worldTransform();
        pixels_ = QTransform(ratio_, 0, 0, ratio_, x, y) * back;
        device_ = QTransform::fromTranslate(x, y) * back;
    }

    void operator()(const FilledRect& r) {
        in(device_);
        p_.fillRect(rect_of(device_box(pixel_box(r.box), ratio_)), colour(r.colour));
    }

    void operator()(const Line& l) {
        if (const auto whole = whole_device_pixels(l, ratio_)) {
            in(device_);
            p_.fillRect(rect_of(*whole), colour(l.colour));
            return;
        }
        in(pixels_);
        const QPoint a = px_point(l.x1, l.y1), b = px_point(l.x2, l.y2);
        QPen pen = thin_pen(l.colour);
        pen.setWidth(std::max(l.width, 1));
        p_.setPen(pen);
        p_.drawLine(QPointF(a) + QPointF(0.5, 0.5), QPointF(b) + QPointF(0.5, 0.5));
    }

    // Fill and a one-pixel outline on the box's outermost pixels.
    void operator()(const Shape& s) {
        const QRect box = px_rect(s.box);
        if (box.width() <= 0 || box.height() <= 0) return;
        if (s.kind == ShapeKind::rectangle && on_pixels_) {
            in(device_);
            const PixelBox device = device_box(pixel_box(s.box), ratio_);
            p_.fillRect(rect_of(device), colour(s.fill));
            for (const PixelBox& edge : outline_device_pixels(device, ratio_)) {
                p_.fillRect(rect_of(edge), colour(s.outline));
            }
            return;
        }
        in(pixels_);
        p_.setPen(thin_pen(s.outline));
        p_.setBrush(colour(s.fill));
        const QRectF outline(box.left() + 0.5, box.top() + 0.5, box.width() - 1, box.height() - 1);
        if (s.kind == ShapeKind::oval) {
            p_.drawEllipse(outline);
        } else {
            p_.drawRect(outline);
        }
    }

    void operator()(const Picture& pic) {
        const QRect box = px_rect(pic.box);
        if (box.width() <= 0 || box.height() <= 0) return;
        const PixelBox device = device_box(pixel_box(pic.box), on_pixels_ ? ratio_ : 1);
        if (drawn_smoothly(pic, on_pixels_ ? ratio_ : 1)) {
            const QImage& image = smooth(pic, device.width, device.height);
            if (on_pixels_) {
                in(device_);
                p_.drawImage(rect_of(device), image);
            } else {
                in(pixels_);
                p_.setRenderHint(QPainter::SmoothPixmapTransform, true);
                p_.drawImage(box, image);
                p_.setRenderHint(QPainter::SmoothPixmapTransform, false);
            }
            return;
        }
        in(pixels_);
        p_.drawImage(box, picture(pic.name, pic.turned));
    }

    // The model's pixels stretched smoothly over the device pixels of their box: one to one
    // where the model computed them for this ratio.
    void operator()(const Raster& r) {
        if (!r.pixels || r.pixels->width <= 0 || r.pixels->height <= 0) return;
        const Rgba& px = *r.pixels;
        // In the painter's own format first, which it stretches fastest.
        const QImage image =
            QImage(px.bytes.data(), px.width, px.height, px.width * 4, QImage::Format_RGBA8888)
                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QRect box = px_rect(r.box);
        if (on_pixels_) {
            in(device_);
            box = rect_of(device_box(pixel_box(r.box), ratio_));
        } else {
            in(pixels_);
        }
        if (box.width() <= 0 || box.height() <= 0) return;
        p_.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p_.drawImage(box, image);
        p_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    }

    void operator()(const Text& t) {
        in(pixels_);
        const QFont font = text_font(t);
        const QString text = translated(t.text);
        const QRect box = px_rect(t.box);
        p_.setFont(font);
        const Qt::Alignment across = t.align == Align::centre  ? Qt::AlignHCenter
                                     : t.align == Align::right ? Qt::AlignRight
                                                               : Qt::AlignLeft;
        if (t.halo > 0) {
            // The letters' outlines stroked wide, where the text will stand, clipped as it is.
            const QFontMetrics metrics(font);
            const QRect shown = metrics.boundingRect(box, across | Qt::AlignTop, text);
            QPainterPath letters;
            letters.addText(shown.left(), box.top() + metrics.ascent(), font, text);
            p_.save();
            p_.setClipRect(box.adjusted(-t.halo, -t.halo, t.halo, t.halo), Qt::IntersectClip);
            p_.setRenderHint(QPainter::Antialiasing, true);
            p_.strokePath(letters, QPen(colour(t.halo_colour), 2 * t.halo, Qt::SolidLine,
                                        Qt::RoundCap, Qt::RoundJoin));
            p_.restore();
        }
        p_.setPen(colour(t.colour));
        p_.drawText(box, across | Qt::AlignTop, text);
    }

  private:
    // The picture's smooth pixels, made again only when it or its size changes.
    const QImage& smooth(const Picture& pic, int width, int height) {
        struct Made {
            std::string name;
            bool turned;
            Rgb outline;
            int outline_width, width, height;
            double ratio;
            QImage image;
        };
        static std::array<Made, 4> made{};
        static std::size_t next = 0;
        for (const Made& m : made) {
            if (m.name == pic.name && m.turned == pic.turned && m.outline == pic.outline &&
                m.outline_width == pic.outline_width && m.width == width && m.height == height &&
                m.ratio == ratio_ && !m.image.isNull()) {
                return m.image;
            }
        }
        const Rgba px = smooth_picture(pic, width, height, ratio_);
        Made& m = made[next++ % made.size()];
        m = {std::string(pic.name),
             pic.turned,
             pic.outline,
             pic.outline_width,
             width,
             height,
             ratio_,
             QImage(px.bytes.data(), px.width, px.height, px.width * 4, QImage::Format_RGBA8888)
                 .convertToFormat(QImage::Format_ARGB32_Premultiplied)};
        return m.image;
    }

    void in(const QTransform& world) {
        if (p_.worldTransform() != world) p_.setWorldTransform(world);
    }

    QPainter& p_;
    bool on_pixels_ = false;  // a raster device, neither turned nor stretched unevenly
    double ratio_ = 1;        // device pixels to a pixel
    QTransform pixels_;       // bench pixels to the device
    QTransform device_;       // bench device pixels to the device
};

}  // namespace

QSize bench_size(const Window& w) {
    return px_rect(w[Window::ids::bench_area]).size();
}

void paint_drawing(QPainter& p, const Drawing& drawing) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    Painter painter(p);
    if (has_labels(drawing)) {
        const auto width_of = [](const Text& t) {
            return static_cast<float>(
                QFontMetricsF(text_font(t)).horizontalAdvance(translated(t.text)) * kTwipsPerPixel);
        };
        for (const Primitive& primitive : with_labels_fitted(drawing, width_of)) {
            std::visit(painter, primitive);
        }
    } else {
        for (const Primitive& primitive : drawing) std::visit(painter, primitive);
    }
    p.restore();
}

void paint_bench(QPainter& p, const Window& w) {
    paint_drawing(p, draw_bench(w));
}

}  // namespace korru::view
