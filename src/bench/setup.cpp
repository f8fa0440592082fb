// SPDX-License-Identifier: MIT
// The fixed bench and the start state, derived from the fitted bench area. Properties set in an
// earlier step are read back from their items.
#include "bench/setup.h"

#include "bench/scene.h"

namespace korru {

namespace {

// Nine lines above and below the axis and nineteen either side of the lens line, a unit apart,
// across the whole bench; hidden until the grid is asked for.
void place_grid(Window& w) {
    const BenchState& b = w.bench;
    const float width = w.bench_area().width, height = w.bench_area().height;
    for (int k = 0; k <= 8; ++k) {
        const float d = static_cast<float>(k + 1) * b.unit;
        for (Item* line : {&w.grid_above(k), &w.grid_below(k)}) {
            line->x1 = 0;
            line->x2 = width;
        }
        w.grid_above(k).y1 = w.grid_above(k).y2 = b.axisy - d;
        w.grid_below(k).y1 = w.grid_below(k).y2 = b.axisy + d;
        w.grid_above(k).visible = w.grid_below(k).visible = false;
    }
    for (int k = 0; k <= 18; ++k) {
        const float d = static_cast<float>(k + 1) * b.unit;
        for (Item* line : {&w.grid_left(k), &w.grid_right(k)}) {
            line->y1 = 0;
            line->y2 = height;
        }
        w.grid_left(k).x1 = w.grid_left(k).x2 = b.lensx - d;
        w.grid_right(k).x1 = w.grid_right(k).x2 = b.lensx + d;
        w.grid_left(k).visible = w.grid_right(k).visible = false;
    }
}

}  // namespace

void set_up_bench(Window& w) {
    BenchState& b = w.bench;
    const Item& work = w.bench_area();
    b.unit = work.height / 20;
    b.flen = b.unit * 4;
    b.axisy = work.height / 2;
    b.lensx = work.width / 2;

    Item& lens = w.lens();
    lens.top = b.axisy - 3 * b.unit;
    lens.height = 6 * b.unit;
    shape_lens(w);

    Item& axis = w.axis();
    axis.x1 = 0;
    axis.y1 = work.height / 2;
    axis.x2 = work.width;
    axis.y2 = work.height / 2;
    Item& lens_line = w.lens_line();
    lens_line.x1 = b.lensx;
    lens_line.y1 = 0;
    lens_line.x2 = b.lensx;
    lens_line.y2 = work.height;

    place_focal_marks(w, b.flen);
    for (int i = 0; i < 4; ++i) w.focal_mark(i).visible = false;
    for (int i = 0; i < 2; ++i) w.focal_label(i).visible = false;
    place_grid(w);
    for (int i = 0; i < 4; ++i) w.ray(i).visible = false;

    w.screen_card().width = 2 * b.unit;
    w.screen_card().height = 3 * b.unit;
    w.source().height = 2 * b.unit;
    w.source().width = b.unit / 4;
    b.step = b.unit / 4;
    b.sdist = 4 * b.flen;
    b.slift = 0;
    w.verify("start-up");
    update_bench(w);
}

}  // namespace korru
