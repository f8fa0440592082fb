// SPDX-License-Identifier: MIT
// Twips to the toolkit's pixels and back.
#include "view/twips.h"

namespace korru::view {

QRect px_rect(const Box& box) {
    const PixelBox p = pixel_box(box);
    return {p.left, p.top, p.width, p.height};
}

QRect px_rect(const Item& it) {
    return px_rect(Box{it.left, it.top, it.width, it.height});
}

QPoint px_point(float x, float y) {
    return {pixel_of(x), pixel_of(y)};
}

BenchPoint twips_point(QPointF px) {
    return {static_cast<float>(px.x() * kTwipsPerPixel),
            static_cast<float>(px.y() * kTwipsPerPixel)};
}

}  // namespace korru::view
