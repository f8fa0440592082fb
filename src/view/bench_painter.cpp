// SPDX-License-Identifier: MIT
// The bench items by kind. Everything is snapped to whole pixels and drawn without antialiasing:
// level and upright lines fill whole pixels, slanting lines and outlines are one-pixel strokes
// through pixel centres, so all stay crisp at any whole device pixel ratio. Pictures are scaled
// pixel for pixel, without smoothing.
#include "view/bench_painter.h"

#include <QPen>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "view/colour.h"
#include "view/fonts.h"
#include "view/pictures.h"
#include "view/twips.h"

namespace korru::view {

namespace {

QPen thin_pen(Rgb rgb) {
    return QPen(colour(rgb), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

void paint_line(QPainter& p, const Item& it, const ItemDef& def) {
    const QPoint a = px_point(it.x1, it.y1), b = px_point(it.x2, it.y2);
    if (a.x() == b.x() || a.y() == b.y()) {
        // Level and upright lines are whole pixels from one end up to the other, exact at any
        // device pixel ratio.
        const QPoint from(std::min(a.x(), b.x()), std::min(a.y(), b.y()));
        const QSize size(std::max(std::abs(b.x() - a.x()), 1),
                         std::max(std::abs(b.y() - a.y()), 1));
        p.fillRect(QRect(from, size), colour(def.look.fore));
        return;
    }
    p.setPen(thin_pen(def.look.fore));
    p.drawLine(QPointF(a) + QPointF(0.5, 0.5), QPointF(b) + QPointF(0.5, 0.5));
}

// Fill and a one-pixel outline on the box's outermost pixels.
void paint_shape(QPainter& p, const Item& it, const ItemDef& def) {
    const QRect box = px_rect(it);
    if (box.width() <= 0 || box.height() <= 0) return;
    p.setPen(thin_pen(def.look.fore));
    p.setBrush(colour(def.look.back));
    const QRectF outline(box.left() + 0.5, box.top() + 0.5, box.width() - 1, box.height() - 1);
    if (def.look.shape == ShapeKind::oval) {
        p.drawEllipse(outline);
    } else {
        p.drawRect(outline);
    }
}

// Transparent: only the text, clipped to the label's box.
void paint_label(QPainter& p, const Item& it, const ItemDef& def) {
    p.setPen(colour(def.look.fore));
    p.setFont(item_font(def));
    p.drawText(px_rect(it), Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(it.caption));
}

// Stretched to fill the box; the bench shows through the transparent pixels.
void paint_picture(QPainter& p, const Item& it, const ItemDef& def) {
    const QRect box = px_rect(it);
    if (box.width() <= 0 || box.height() <= 0) return;
    p.drawImage(box, picture(def.look.picture));
}

// From the last in the stacking order to the first, so the first ends on top.
const std::vector<int>& paint_order() {
    static const std::vector<int> order = [] {
        std::vector<int> ids;
        for (int i = static_cast<int>(kItemCount) - 1; i >= 0; --i) {
            if (kItems[static_cast<std::size_t>(i)].container == "work") ids.push_back(i);
        }
        return ids;
    }();
    return order;
}

}  // namespace

QSize bench_size(const Window& w) {
    return px_rect(w[Window::ids::work]).size();
}

void paint_bench(QPainter& p, const Window& w) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.fillRect(QRect(QPoint(0, 0), bench_size(w)), colour(kItems[Window::ids::work].look.back));
    for (int id : paint_order()) {
        const Item& it = w[id];
        if (!it.visible) continue;
        const ItemDef& def = kItems[static_cast<std::size_t>(id)];
        switch (def.kind) {
            case Kind::line:
                paint_line(p, it, def);
                break;
            case Kind::shape:
                paint_shape(p, it, def);
                break;
            case Kind::label:
                paint_label(p, it, def);
                break;
            case Kind::picture:
                paint_picture(p, it, def);
                break;
            default:
                break;
        }
    }
    p.restore();
}

}  // namespace korru::view
