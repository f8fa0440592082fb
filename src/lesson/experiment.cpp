// SPDX-License-Identifier: MIT
// The experiment's screen and covers, its facts, and the bench drawing it turns the window's into.
#include "lesson/experiment.h"

#include <algorithm>
#include <cmath>

#include "bench/pictures.h"
#include "bench/scene.h"
#include "lesson/screen_light.h"

namespace korru {

namespace {

using ids = Window::ids;

constexpr std::string_view kRoutine = "experiment";

// A cover: a dark card a little larger than its half of the lens.
constexpr Rgb kCoverFill = 0x202020, kCoverEdge = 0x909090;
// The pupil's screen grey, as a paper screen is in a darkened room, so that the faint light of a
// wide blur still shows on it.
constexpr Rgb kScreenInTheDark = 0x686868;

// 1 - x/b, the aperture's image about each point on the screen as a share of the lens.
float spread(const Window& w, float x) {
    if (!w[ids::real_image].visible && !w[ids::virtual_image].visible) return 1;
    return 1.0f - x / image_distance(w.bench);
}

bool is_ray(int item) {
    return std::find(ids::rays.begin(), ids::rays.end(), item) != ids::rays.end();
}

// Whether the lens is covered `below` twips under its centre (above it where negative). The
// centre itself is covered only when both halves are.
bool covered(const Experiment& e, float below) {
    if (e.upper_covered && e.lower_covered) return true;
    return (e.upper_covered && below < -1) || (e.lower_covered && below > 1);
}

// The height at which a line crosses the lens, and whether it does.
bool crosses(const Line& l, float lensx, float& y) {
    if (!(l.x1 <= lensx && lensx <= l.x2) || l.x1 == l.x2) return false;
    y = l.y1 + (l.y2 - l.y1) * ((lensx - l.x1) / (l.x2 - l.x1));
    return true;
}

void end_at(Line& l, float x) {
    l.y2 = l.y1 + (l.y2 - l.y1) * ((x - l.x1) / (l.x2 - l.x1));
    l.x2 = x;
}

// Rays stop at the screen; where the cover stops them, at the lens, and the ray that leaves the
// lens from a covered point is not there at all. A ray through the centre passes a half cover.
void stop_rays(const Window& w, const Experiment& e, float screen, Drawing& out) {
    const BenchState& b = w.bench;
    for (auto it = out.begin(); it != out.end();) {
        Line* l = std::get_if<Line>(&*it);
        float y = 0;
        if (!l || !is_ray(l->item)) {
            ++it;
        } else if (!crosses(*l, b.lensx, y) || !covered(e, y - b.axisy)) {
            if (l->x1 < screen && screen < l->x2) end_at(*l, screen);
            ++it;
        } else if (l->item == ids::rays[2] || l->x1 >= b.lensx) {
            it = out.erase(it);
        } else {
            if (l->x2 > b.lensx) end_at(*l, b.lensx);
            ++it;
        }
    }
}

void cover_lens(const Window& w, const Experiment& e, Drawing& out) {
    if (!e.upper_covered && !e.lower_covered) return;
    const Item& lens = w[ids::lens];
    const float margin = w.bench.unit / 8, axis = w.bench.axisy;
    const float left = lens.left - margin, width = lens.width + 2 * margin;
    auto at = std::find_if(out.begin(), out.end(),
                           [](const Primitive& p) { return item_of(p) == ids::lens; });
    if (at != out.end()) ++at;
    if (e.lower_covered) {
        const Box box{left, axis, width, lens.top + lens.height + margin - axis};
        at = out.insert(at, Shape{-1, box, ShapeKind::rectangle, kCoverEdge, kCoverFill}) + 1;
    }
    if (e.upper_covered) {
        const Box box{left, lens.top - margin, width, axis - lens.top + margin};
        out.insert(at, Shape{-1, box, ShapeKind::rectangle, kCoverEdge, kCoverFill});
    }
}

}  // namespace

bool Experiment::screen_r() {
    const int before = quarters;
    quarters = std::clamp(quarters + 1, kNearest, kFarthest);
    return quarters != before;
}

bool Experiment::screen_l() {
    const int before = quarters;
    quarters = std::clamp(quarters - 1, kNearest, kFarthest);
    return quarters != before;
}

ExperimentFacts experiment_facts(const Window& w, const Experiment& e) {
    const BenchState& b = w.bench;
    const int quarters = std::clamp(e.quarters, Experiment::kNearest, Experiment::kFarthest);
    const float x = static_cast<float>(quarters) * (b.unit / 4);
    const float d = w[ids::lens].height;
    const float open = e.upper_covered && e.lower_covered   ? 0.0f
                       : e.upper_covered || e.lower_covered ? 0.5f
                                                            : 1.0f;
    return {Window::checked(x, kRoutine, "screen x"),
            Window::checked(d * std::fabs(spread(w, x)), kRoutine, "blur"),
            Window::checked(x / b.sdist, kRoutine, "scale"), open};
}

bool takes_screen(const Window& w, const Experiment& e, BenchPoint p, float reach) {
    if (!e.on) return false;
    const float middle = w.bench.lensx + experiment_facts(w, e).screen_x;
    return std::fabs(p.x - middle) <= std::max(w[ids::screen_card].width, reach) / 2;
}

int screen_steps_to(const Window& w, const Experiment& e, float x) {
    const float quarter = w.bench.unit / 4;
    const double wanted = std::round((x - w.bench.lensx) / quarter);
    const auto to =
        static_cast<int>(std::clamp<double>(wanted, Experiment::kNearest, Experiment::kFarthest));
    return to - std::clamp(e.quarters, Experiment::kNearest, Experiment::kFarthest);
}

void draw_experiment(const Window& w, const Experiment& e, double ratio, Drawing& out) {
    if (!e.on) return;
    const BenchState& b = w.bench;
    const ExperimentFacts facts = experiment_facts(w, e);
    const float screen = b.lensx + facts.screen_x;

    std::erase_if(out, [](const Primitive& p) {
        const int item = item_of(p);
        return item == ids::real_image || item == ids::virtual_image || item == ids::image_label ||
               item == ids::screen_card;
    });
    stop_rays(w, e, screen, out);
    cover_lens(w, e, out);

    // The card lowest of all but the background, as the window's screen is; the light on it where
    // the window's image lies, just above the candle.
    const Look& look = kItems[static_cast<std::size_t>(ids::screen_card)].look;
    const float width = w[ids::screen_card].width;
    const Box card{screen - width / 2, 0, width, w[ids::bench_area].height};
    auto at = out.begin();
    if (at != out.end() && std::holds_alternative<FilledRect>(*at)) ++at;
    at = out.insert(
        at, Shape{ids::screen_card, card, ShapeKind::rectangle, look.fore, kScreenInTheDark});
    const auto candle_at = std::find_if(
        out.begin(), out.end(), [](const Primitive& p) { return item_of(p) == ids::source; });
    at = (candle_at == out.end() ? at : candle_at) + 1;
    const Item& candle = w[ids::source];
    const float scale = facts.scale;
    const float image_width = candle.width * scale, image_height = candle.height * scale;
    const Throw light{
        card,
        {screen - image_width / 2, b.axisy + b.slift * scale, image_width, image_height},
        w[ids::lens].height,
        spread(w, facts.screen_x),
        facts.open == 0   ? Aperture::none
        : facts.open == 1 ? Aperture::whole
        : e.upper_covered ? Aperture::lower_half
                          : Aperture::upper_half};
    if (auto raster = screen_light(light, picture_pixels("candle"), ratio, ids::screen_card)) {
        out.insert(at, std::move(*raster));
    }
}

}  // namespace korru
