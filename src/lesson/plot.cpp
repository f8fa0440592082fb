// SPDX-License-Identifier: MIT
// The plot: a frame chosen from the rows and their focal lengths, a grid with round numbers,
// the law's curves and lines clipped to the frame, and a square for each row.
#include "lesson/plot.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <tuple>
#include <vector>

#include "window/number_text.h"

namespace korru {

namespace {

constexpr std::string_view kDistancesTitle = "像の距離 b と光源の距離 a";
constexpr std::string_view kReciprocalsTitle = "1/b と 1/a: 1/a + 1/b = 1/f";
constexpr std::string_view kAcross = "a (マス)";
constexpr std::string_view kUp = "b (マス)";
constexpr std::string_view kAcrossReciprocal = "1/a (1/マス)";
constexpr std::string_view kUpReciprocal = "1/b (1/マス)";
constexpr std::string_view kFocalLegend = "f = %1 マス";
constexpr std::string_view kFoundLegend = "白抜き: スクリーンで見つけた位置";

constexpr Rgb kPaper = 0xFFFFFF, kInk = 0x202020, kGrid = 0xE0E0E0, kAxis = 0x808080;

// Each focal length keeps its colour and its mark whatever else is plotted: a pair that readers
// with any colour vision tell apart (blue and vermilion), squares for the short lens and rings
// for the long one, so that a grey print tells them apart too.
struct LawLook {
    float focal;  // squares
    Rgb colour;
    ShapeKind mark;
};
constexpr std::array<LawLook, 2> kLawLooks{
    {{4, 0x0072B2, ShapeKind::rectangle}, {6, 0xD55E00, ShapeKind::oval}}};
constexpr LawLook kOtherLaw{0, 0x404040, ShapeKind::rectangle};

const LawLook& law_look(float focal) {
    for (const LawLook& look : kLawLooks) {
        if (std::fabs(focal - look.focal) < 1e-3f) return look;
    }
    return kOtherLaw;
}

// Margins of the plot's area, pixels: room for numbers on the left and below, a title above.
constexpr int kLeft = 52, kRight = 16, kTop = 40, kBottom = 38;
constexpr float kTwips = kTwipsPerPixel;
constexpr int kPointPixels = 7;
// The most marks a plot draws, solid and hollow together.
constexpr std::size_t kMostMarks = 4096;
// Samples of a curve across the frame; enough for a smooth line at any size a face shows.
constexpr int kCurveSamples = 240;

std::set<float> focal_lengths(const Notebook& n) {
    std::set<float> out;
    for (const Measurement& m : n.rows()) out.insert(m.focal_length);
    return out;
}

// A round step (1, 2 or 5 times a power of ten) for about six to ten lines across `span`.
double tick_step(double span) {
    const double raw = span / 8, power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * power >= raw) return m * power;
    }
    return 10 * power;
}

// The values of the grid's lines from `low` to `high`, `step` apart: never more than a plot has
// room for, whatever numbers it is given.
std::vector<double> ticks(double low, double high, double step) {
    constexpr std::size_t kMostTicks = 40;
    std::vector<double> out;
    if (!std::isfinite(low) || !std::isfinite(high) || !(step > 0) || !std::isfinite(step)) {
        return out;
    }
    for (double v = std::ceil(low / step) * step; v <= high + 1e-9 && out.size() < kMostTicks;
         v += step) {
        out.push_back(v);
    }
    return out;
}

struct Plotter {
    const PlotFrame& f;
    Drawing& out;
    std::deque<std::string>& words;

    float x(double v) const {
        return static_cast<float>(
            (f.area.left + (v - f.x_min) / (f.x_max - f.x_min) * f.area.width) * kTwips);
    }
    float y(double v) const {
        return static_cast<float>(
            (f.area.top + (f.y_max - v) / (f.y_max - f.y_min) * f.area.height) * kTwips);
    }
    bool inside(double vx, double vy) const {
        return vx >= f.x_min && vx <= f.x_max && vy >= f.y_min && vy <= f.y_max;
    }
    void line(double x1, double y1, double x2, double y2, Rgb colour) {
        out.push_back(Line{-1, x(x1), y(y1), x(x2), y(y2), colour});
    }
    void text(std::string s, float left, float top, float width, Rgb colour,
              Align align = Align::left) {
        words.push_back(std::move(s));
        out.push_back(
            Text{-1, Box{left, top, width, 17 * kTwips}, words.back(), colour, Font{}, align});
    }
};

}  // namespace

std::optional<std::pair<double, double>> plot_point(const Measurement& m, PlotView view) {
    if (m.image == ImageCase::none) return std::nullopt;
    const double a = m.candle_distance;
    const double b = m.image_distance;
    if (view == PlotView::distances) return std::pair{a, b};
    return std::pair{1 / a, 1 / b};
}

// Where the pupil found the image on their own screen, as a point of the plot: (a, x) or
// (1/a, 1/x); none for a row recorded without the experiment.
std::optional<std::pair<double, double>> found_point(const Measurement& m, PlotView view) {
    if (!m.screen || *m.screen <= 0) return std::nullopt;
    const double a = m.candle_distance, x = *m.screen;
    if (view == PlotView::distances) return std::pair{a, x};
    return std::pair{1 / a, 1 / x};
}

PlotFrame plot_frame(const Notebook& n, PlotView view, int width, int height) {
    PlotFrame frame;
    frame.area = {kLeft, kTop, std::max(width - kLeft - kRight, 1),
                  std::max(height - kTop - kBottom, 1)};
    const std::set<float> fs = focal_lengths(n);
    const double longest = fs.empty() ? 4 : *fs.rbegin(), shortest = fs.empty() ? 4 : *fs.begin();
    if (view == PlotView::distances) {
        frame.x_max = std::max(3 * longest, 20.0);
        frame.y_min = -2 * longest;
        frame.y_max = 4 * longest;
    } else {
        frame.x_max = 1.5 / shortest;
        frame.y_min = -1 / shortest;
        frame.y_max = 1.5 / shortest;
    }
    for (const Measurement& m : n.rows()) {
        for (const auto& p : {plot_point(m, view), found_point(m, view)}) {
            if (!p) continue;
            frame.x_max = std::max(frame.x_max, p->first * 1.05);
            frame.y_min = std::min(frame.y_min, p->second * 1.05);
            frame.y_max = std::max(frame.y_max, p->second * 1.05);
        }
    }
    // Past this, a virtual image near the focal point would squeeze every other point flat.
    const double far = view == PlotView::distances ? 60 : 4;
    frame.y_min = std::max(frame.y_min, -far);
    frame.y_max = std::min(frame.y_max, far);
    return frame;
}

void draw_plot(const Notebook& n, PlotView view, int width, int height, const Translate& translate,
               Drawing& out, std::deque<std::string>& words) {
    out.clear();
    words.clear();
    const PlotFrame f = plot_frame(n, view, width, height);
    Plotter p{f, out, words};
    out.push_back(FilledRect{{0, 0, width * kTwips, height * kTwips}, kPaper});

    // The grid, its numbers, and the axes through zero.
    const double dx = tick_step(f.x_max - f.x_min), dy = tick_step(f.y_max - f.y_min);
    const int places = view == PlotView::distances ? 1 : 2;
    for (const double v : ticks(f.x_min, f.x_max, dx)) {
        p.line(v, f.y_min, v, f.y_max, std::fabs(v) < 1e-9 ? kAxis : kGrid);
        p.text(decimal_text(v, places), p.x(v) - 30 * kTwips,
               (f.area.top + f.area.height + 4) * kTwips, 60 * kTwips, kInk, Align::centre);
    }
    for (const double v : ticks(f.y_min, f.y_max, dy)) {
        p.line(f.x_min, v, f.x_max, v, std::fabs(v) < 1e-9 ? kAxis : kGrid);
        p.text(decimal_text(v, places), 2 * kTwips, p.y(v) - 8 * kTwips, (kLeft - 6) * kTwips, kInk,
               Align::right);
    }
    const bool distances = view == PlotView::distances;
    p.text(translate(distances ? kAcross : kAcrossReciprocal),
           (f.area.left + f.area.width - 90) * kTwips, (height - 17) * kTwips, 90 * kTwips, kInk);
    p.text(translate(distances ? kUp : kUpReciprocal), 4 * kTwips, 22 * kTwips, 120 * kTwips, kInk);
    p.text(translate(distances ? kDistancesTitle : kReciprocalsTitle), 4 * kTwips, 3 * kTwips,
           (width - 8) * kTwips, kInk);

    // The law for each focal length recorded, in its own colour, with its legend.
    const std::set<float> fs = focal_lengths(n);
    float legend = (width - 8) * kTwips - static_cast<float>(fs.size()) * 90 * kTwips;
    for (const float focal : fs) {
        const Rgb colour = law_look(focal).colour;
        if (distances) {
            // b = a f / (a - f), in two branches either side of its asymptote a = f.
            p.line(focal, f.y_min, focal, f.y_max, colour);
            if (focal >= f.y_min && focal <= f.y_max)
                p.line(f.x_min, focal, f.x_max, focal, colour);
            bool had_last = false;
            double last_a = 0, last_b = 0;
            for (int i = 0; i <= kCurveSamples; ++i) {
                const double a = f.x_min + (f.x_max - f.x_min) * i / kCurveSamples;
                const double b = a * focal / (a - focal);
                const bool shown = a > 0 && std::fabs(a - focal) > 1e-6 && p.inside(a, b);
                if (shown && had_last && (last_a > focal) == (a > focal)) {
                    p.line(last_a, last_b, a, b, colour);
                }
                had_last = shown;
                last_a = a;
                last_b = b;
            }
        } else {
            // 1/b = 1/f - 1/a: a straight line, cut where it leaves the frame.
            const double x1 = std::max(f.x_min, 1 / focal - f.y_max),
                         x2 = std::min(f.x_max, 1 / focal - f.y_min);
            if (x1 < x2) p.line(x1, 1 / focal - x1, x2, 1 / focal - x2, colour);
        }
        const float half = kPointPixels * kTwips / 2;
        out.push_back(Shape{-1, Box{legend, 26 * kTwips, 2 * half, 2 * half}, law_look(focal).mark,
                            kInk, colour});
        p.text(with_numbers(translate(kFocalLegend), {decimal_text(focal, 2)}),
               legend + 2 * half + 3 * kTwips, 22 * kTwips, 78 * kTwips, colour);
        legend += 90 * kTwips;
    }

    // A mark for each row with an image, in its focal length's colour and shape; where a pupil
    // found the image on their screen, the same mark, hollow, beside the law's. A mark that a
    // later one covers exactly (a row alike) is left out, and only the newest
    // kMostMarks are drawn, so that the drawing stays bounded whatever the notebook holds and
    // looks as every mark drawn would.
    const float half = kPointPixels * kTwips / 2;
    std::vector<Shape> marks;
    for (const bool hollow : {false, true}) {
        for (const Measurement& m : n.rows()) {
            const auto point = hollow ? found_point(m, view) : plot_point(m, view);
            if (!point || !p.inside(point->first, point->second)) continue;
            const LawLook& look = law_look(m.focal_length);
            marks.push_back(Shape{-1,
                                  Box{p.x(point->first) - half, p.y(point->second) - half,
                                      kPointPixels * kTwips, kPointPixels * kTwips},
                                  look.mark, hollow ? look.colour : kInk,
                                  hollow ? kPaper : look.colour});
        }
    }
    std::vector<bool> shown(marks.size());
    std::set<std::tuple<float, float, Rgb, Rgb>> covered;
    for (std::size_t i = marks.size(), count = 0; i-- > 0 && count < kMostMarks;) {
        const Shape& m = marks[i];
        if (covered.emplace(m.box.left, m.box.top, m.outline, m.fill).second) {
            shown[i] = true;
            ++count;
        }
    }
    bool found = false;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        if (!shown[i]) continue;
        out.push_back(marks[i]);
        found = found || marks[i].fill == kPaper;
    }
    if (found) {
        const float left = (f.area.left + 8) * kTwips, top = (f.area.top + 6) * kTwips;
        out.push_back(Shape{-1, Box{left, top + 4 * kTwips, 2 * half, 2 * half}, ShapeKind::oval,
                            kInk, kPaper});
        p.text(translate(kFoundLegend), left + 2 * half + 3 * kTwips, top, 200 * kTwips, kInk);
    }
}

std::vector<std::string_view> plot_texts() {
    return {kDistancesTitle,   kReciprocalsTitle, kAcross,      kUp,
            kAcrossReciprocal, kUpReciprocal,     kFocalLegend, kFoundLegend};
}

}  // namespace korru
