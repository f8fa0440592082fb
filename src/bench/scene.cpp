// SPDX-License-Identifier: MIT
// The scene update: source, rays, image case, image, label and screen.
//
// Bench arithmetic is single precision, one operation at a time, in the order written; every
// property that a step has just set is read back from its item before later steps use it. The
// build forbids contracting a*b+c into a fused multiply-add, so the numbers are the same on
// every target.
#include "bench/scene.h"

#include <cmath>

#include "bench/rays.h"

namespace korru {

namespace {

constexpr std::string_view kRoutine = "update_bench";

void place_source(Window& w) {
    const BenchState& b = w.bench;
    Item& source = w.source();
    Item& label = w.source_label();
    source.top = b.axisy - b.slift - source.height;
    source.left = b.lensx - b.sdist - source.width / 2;
    label.top = source.top + 120;
    label.left = source.left - 360;
}

void form_real_image(Window& w) {
    const BenchState& b = w.bench;
    const float s = b.sdist, f = b.flen;
    Item& image = w.real_image();
    Item& label = w.image_label();
    w.real_image().visible = true;
    w.virtual_image().visible = false;
    label.visible = true;
    image.top = b.axisy + f * (b.slift / (s - f));
    const float t = w.source().top;
    image.height = f * ((b.axisy - t) / (s - f)) - f * (b.slift / (s - f));
    image.width = image.height / 8;
    const float v = image_distance(b);
    image.left = b.lensx + v - image.width / 2;
    place_real_rays(w);
    Item& screen = w.screen_card();
    screen.top = b.axisy;
    screen.left = b.lensx + v - screen.width / 2;
    label.caption = "像";
    label.top = image.top + 120;
    label.left = image.width + image.left + 20;
}

void form_virtual_image(Window& w) {
    const BenchState& b = w.bench;
    const float s = b.sdist, f = b.flen;
    Item& image = w.virtual_image();
    Item& label = w.image_label();
    w.real_image().visible = false;
    image.visible = true;
    const float t = w.source().top;
    image.top = b.axisy - f * ((b.axisy - t) / (f - s));
    image.height = f * ((b.axisy - t) / (f - s)) - f * (b.slift / (f - s));
    image.width = image.height / 8;
    image.left = b.lensx + image_distance(b) - image.width / 2;
    place_virtual_rays(w);
    label.visible = true;
    label.top = image.top + 360;
    label.left = image.width + image.left + 20;
    label.caption = "虚像";
}

}  // namespace

float image_distance(const BenchState& b) {
    const float v = 1.0f / (1.0f / b.flen - 1.0f / b.sdist);
    return Window::checked(v, kRoutine, "image distance v");
}

void update_bench(Window& w) {
    const BenchState& b = w.bench;
    place_source(w);
    place_common_rays(w);
    // The case is decided on whole twips before any division by s - f or f - s.
    if (std::floor(b.sdist - b.flen) > 0) {
        form_real_image(w);
    } else if (std::floor(b.flen - b.sdist) > 0) {
        form_virtual_image(w);
    } else {
        w.real_image().visible = false;
        w.virtual_image().visible = false;
        w.image_label().visible = false;
        // No image forms, but the rays still start where they would for a real one, so none is
        // left where an earlier position of the source put it.
        place_real_rays(w);
    }
    w.verify(kRoutine);
}

void place_focal_marks(Window& w, float f) {
    const float lensx = w.bench.lensx, axisy = w.bench.axisy;
    // Each cross is 120 twips square whatever the unit; (x1, y1) is always the upper end.
    // lean -60: upper left to lower right; +60: upper right to lower left.
    const float centre[4] = {lensx - f, lensx - f, lensx + f, lensx + f};
    const float lean[4] = {-60, 60, -60, 60};
    for (int i = 0; i < 4; ++i) {
        Item& line = w.focal_mark(i);
        line.x1 = centre[i] + lean[i];
        line.y1 = axisy - 60;
        line.x2 = centre[i] - lean[i];
        line.y2 = axisy + 60;
    }
    w.focal_label(0).top = w.focal_mark(0).y2 + 20;
    w.focal_label(0).left = w.focal_mark(0).x1 - 20;
    w.focal_label(1).top = w.focal_mark(2).y2 + 20;
    w.focal_label(1).left = w.focal_mark(2).x1 - 20;
    w.verify("place_focal_marks");
}

void shape_lens(Window& w) {
    const BenchState& b = w.bench;
    const double q = std::pow(static_cast<double>(b.unit), 2) / static_cast<double>(b.flen);
    w.lens().left = static_cast<float>(static_cast<double>(b.lensx) - q * 2);
    w.lens().width = static_cast<float>(q * 4);
}

}  // namespace korru
