// SPDX-License-Identifier: MIT
// The bench drawing painted with QPainter. Everything is snapped to whole pixels and drawn
// without antialiasing: level and upright lines fill whole pixels, slanting lines and outlines
// are one-pixel strokes through pixel centres, so all stay crisp at any whole device pixel ratio.
// Pictures are scaled pixel for pixel, without smoothing.
#include "view/bench_painter.h"

#include <QPen>
#include <algorithm>
#include <cstdlib>

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

class Painter {
  public:
    explicit Painter(QPainter& p) : p_(p) {}

    void operator()(const FilledRect& r) { p_.fillRect(px_rect(r.box), colour(r.colour)); }

    void operator()(const Line& l) {
        if (const auto whole = whole_pixels(l)) {
            p_.fillRect(QRect(whole->left, whole->top, whole->width, whole->height),
                        colour(l.colour));
            return;
        }
        const QPoint a = px_point(l.x1, l.y1), b = px_point(l.x2, l.y2);
        p_.setPen(thin_pen(l.colour));
        p_.drawLine(QPointF(a) + QPointF(0.5, 0.5), QPointF(b) + QPointF(0.5, 0.5));
    }

    // Fill and a one-pixel outline on the box's outermost pixels.
    void operator()(const Shape& s) {
        const QRect box = px_rect(s.box);
        if (box.width() <= 0 || box.height() <= 0) return;
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
        p_.drawImage(box, picture(pic.name, pic.turned));
    }

    void operator()(const Text& t) {
        p_.setPen(colour(t.colour));
        p_.setFont(item_font(kItems[static_cast<std::size_t>(t.item)]));
        p_.drawText(px_rect(t.box), Qt::AlignLeft | Qt::AlignTop, translated(t.text));
    }

  private:
    QPainter& p_;
};

}  // namespace

QSize bench_size(const Window& w) {
    return px_rect(w[Window::ids::bench_area]).size();
}

void paint_bench(QPainter& p, const Window& w) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    Painter painter(p);
    for (const Primitive& primitive : draw_bench(w)) std::visit(painter, primitive);
    p.restore();
}

}  // namespace korru::view
