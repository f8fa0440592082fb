// SPDX-License-Identifier: MIT
// Twips to pixels, in one place.
#include "view/twips.h"

#include <algorithm>
#include <cmath>

namespace korru::view {

namespace {
constexpr double kLimit =
    1 << 22;  // pixels; far beyond any screen, well inside the painter's range
}

int px(double twips) {
    const double p = std::floor(twips / kTwipsPerPixel + 0.5);
    if (std::isnan(p)) return 0;
    return static_cast<int>(std::clamp(p, -kLimit, kLimit));
}

QRect px_rect(const Box& box) {
    const int left = px(box.left), top = px(box.top);
    const int right = px(static_cast<double>(box.left) + box.width);
    const int bottom = px(static_cast<double>(box.top) + box.height);
    return {left, top, right - left, bottom - top};
}

QRect px_rect(const Item& it) {
    return px_rect(Box{it.left, it.top, it.width, it.height});
}

QPoint px_point(float x, float y) {
    return {px(x), px(y)};
}

}  // namespace korru::view
