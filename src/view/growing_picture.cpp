// SPDX-License-Identifier: MIT
// The growing picture: a drawing's beginning compared with the last one, primitive by primitive.
#include "view/growing_picture.h"

#include <QPainter>
#include <algorithm>
#include <variant>

#include "view/bench_painter.h"

namespace korru::view {

namespace {

// Every field of every primitive; a text by its words, not where they are kept.
static_assert(std::variant_size_v<Primitive> == 6, "a new primitive: say here when two are alike");

bool operator==(const Box& a, const Box& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

struct Alike {
    bool operator()(const FilledRect& a, const FilledRect& b) const {
        return a.box == b.box && a.colour == b.colour;
    }
    bool operator()(const Line& a, const Line& b) const {
        return a.item == b.item && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 &&
               a.colour == b.colour;
    }
    bool operator()(const Shape& a, const Shape& b) const {
        return a.item == b.item && a.box == b.box && a.kind == b.kind && a.outline == b.outline &&
               a.fill == b.fill;
    }
    bool operator()(const Picture& a, const Picture& b) const {
        return a.item == b.item && a.box == b.box && a.name == b.name && a.turned == b.turned;
    }
    bool operator()(const Raster& a, const Raster& b) const {
        return a.item == b.item && a.box == b.box && a.pixels == b.pixels;
    }
    bool operator()(const Text& a, const Text& b) const {
        return a.item == b.item && a.box == b.box && a.text == b.text && a.colour == b.colour &&
               a.font.face == b.font.face && a.font.points == b.font.points &&
               a.font.bold == b.font.bold;
    }
    template <class A, class B>
    bool operator()(const A&, const B&) const {
        return false;
    }
};

}  // namespace

const QImage& GrowingPicture::paint(Drawing drawing, std::deque<std::string> words, QSize size,
                                    qreal ratio) {
    const QSize pixels = (QSizeF(size) * ratio).toSize();
    const bool grown = !picture_.isNull() && picture_.size() == pixels &&
                       picture_.devicePixelRatio() == ratio && drawing.size() >= drawing_.size() &&
                       std::equal(drawing_.begin(), drawing_.end(), drawing.begin(),
                                  [](const Primitive& a, const Primitive& b) {
                                      return std::visit(Alike{}, a, b);
                                  });
    if (!grown) {
        picture_ = QImage(pixels, QImage::Format_RGB32);
        picture_.setDevicePixelRatio(ratio);
        picture_.fill(Qt::white);
    }
    const auto from = static_cast<std::ptrdiff_t>(grown ? drawing_.size() : 0);
    if (from < static_cast<std::ptrdiff_t>(drawing.size())) {
        QPainter p(&picture_);
        paint_drawing(p, from == 0 ? drawing : Drawing(drawing.begin() + from, drawing.end()));
    }
    drawing_ = std::move(drawing);
    words_ = std::move(words);
    return picture_;
}

}  // namespace korru::view
