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

QRect px_rect(const Item& it) {
    const int left = px(it.left), top = px(it.top);
    const int right = px(static_cast<double>(it.left) + it.width);
    const int bottom = px(static_cast<double>(it.top) + it.height);
    return {left, top, right - left, bottom - top};
}

QPoint px_point(float x, float y) {
    return {px(x), px(y)};
}

}  // namespace korru::view
