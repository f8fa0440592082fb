// SPDX-License-Identifier: MIT
// The principal rays, in float twips, evaluated in the order written. T, the top of the source,
// is always read back from the source picture.
#include "bench/rays.h"

namespace korru {

namespace {

// The reach of a ray from the lens to either edge of the bench: 20 units.
float reach(const BenchState& b) {
    return b.unit * 20;
}

// A ray through the lens centre from a point `height` above the axis at the source.
void through_centre(Item& ray, const BenchState& b, float height) {
    const float l = reach(b);
    ray.x1 = b.lensx - l;
    ray.y1 = b.axisy - b.unit * (20 * (height / b.sdist));
    ray.x2 = b.lensx + l;
    ray.y2 = b.axisy + b.unit * (20 * (height / b.sdist));
}

}  // namespace

void place_common_rays(Window& w) {
    const BenchState& b = w.bench;
    const float t = w.source().top;
    through_centre(w.ray(0), b, b.axisy - t);
    w.ray(1).x2 = b.lensx;
    w.ray(1).y2 = w.source().top;
    const float l = reach(b);
    w.ray(2).x2 = b.lensx + l;
    w.ray(2).y2 = b.axisy + (b.axisy - w.source().top) * (l / b.flen - 1);
    through_centre(w.ray(3), b, b.slift);
}

void place_real_rays(Window& w) {
    const BenchState& b = w.bench;
    w.ray(1).x1 = b.lensx - reach(b);
    w.ray(1).y1 = w.source().top;
    w.ray(2).x1 = b.lensx;
    w.ray(2).y1 = w.source().top;
}

void place_virtual_rays(Window& w) {
    const BenchState& b = w.bench;
    const float l = reach(b);
    w.ray(1).x1 = b.lensx - b.sdist;
    w.ray(1).y1 = w.source().top;
    w.ray(2).y1 = b.axisy - (b.axisy - w.source().top) * (l / b.flen + 1);
    w.ray(2).x1 = b.lensx - l;
}

}  // namespace korru
