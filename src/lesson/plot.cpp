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

#include "lesson/text_room.h"
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

// The look of the lens the notebook takes a row's focal length for, whatever rounding it was
// read back with.
const LawLook& law_look(float focal) {
    const std::optional<float> lens = bench_focal_length(focal);
    for (const LawLook& look : kLawLooks) {
        if (lens && look.focal == *lens) return look;
    }
    return kOtherLaw;
}

constexpr float kTwips = kTwipsPerPixel;
// The words' size, pixels per em (the window's default font), and a line of them.
constexpr float kEm = 12;
constexpr int kLine = 17;
// The least room between two numbers along an axis, and around the plot's area.
constexpr int kGap = 8, kEdge = 4;
// A row's mark, and the larger hollow one around it where the pupil found the image, so that a
// pupil who found it where the law puts it sees both.
constexpr int kPointPixels = 7, kFoundPixels = 11;
// The most marks a plot draws, solid and hollow together.
constexpr std::size_t kMostMarks = 4096;
// Samples of a curve across the frame; enough for a smooth line at any size a face shows.
constexpr int kCurveSamples = 240;
// The legend goes in a column right of the plot's area where it takes at most this share of
// the width, else in lines above the area.
constexpr float kLegendShare = 0.34f;

// The lenses the rows were recorded with, each once, whatever rounding their rows were read
// back with: one law and one legend line a lens.
std::set<float> focal_lengths(const Notebook& n) {
    std::set<float> out;
    for (const Measurement& m : n.rows()) {
        const LawLook& look = law_look(m.focal_length);
        out.insert(&look == &kOtherLaw ? m.focal_length : look.focal);
    }
    return out;
}

// The round steps (1, 2 or 5 times a power of ten) from the one that gives about ten lines
// across `span` upwards.
double round_step(double span, int nth) {
    const double raw = span / 10, power = std::pow(10.0, std::floor(std::log10(raw)));
    constexpr std::array<double, 3> kLeading{1, 2, 5};
    int k = 0;
    while (k < 3 && kLeading[k] * power < raw * (1 - 1e-9)) ++k;
    k += nth;
    return kLeading[k % 3] * power * std::pow(10.0, k / 3);
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
    void text(std::string s, const Box& box, Rgb colour, Align align = Align::left) {
        words.push_back(std::move(s));
        out.push_back(Text{-1, box, words.back(), colour, Font{}, align});
    }
};

bool overlap(const Box& a, const Box& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

// A box of pixels as twips.
Box twips(float left, float top, float width, float height) {
    return {left * kTwips, top * kTwips, width * kTwips, height * kTwips};
}

// One entry of the legend: its marks side by side, then its words, on more than one line where
// the plot is too narrow for them.
struct LegendEntry {
    std::vector<Shape> marks;  // boxes from the entry's left and top, pixels
    std::string text;
    Rgb colour;
    std::vector<std::string> lines{text};
    float marks_width() const { return static_cast<float>(marks.size()) * (kFoundPixels + 2) + 2; }
    float width() const {
        float widest = 0;
        for (const std::string& line : lines) widest = std::max(widest, text_room(line, kEm));
        return marks_width() + widest;
    }
};

// The text in lines of at most `room` pixels: broken between words, and within a word (by
// characters) only where the word alone is wider.
std::vector<std::string> wrapped(const std::string& text, float room) {
    std::vector<std::string> lines{""};
    const auto add = [&](const std::string& piece, const std::string& space) {
        if (!lines.back().empty() && text_room(lines.back() + space + piece, kEm) > room) {
            lines.emplace_back();
        }
        lines.back() += (lines.back().empty() ? "" : space) + piece;
    };
    // Words between blanks, split by hand: a string stream would bring the locale's machinery
    // into the page's WebAssembly for this alone.
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    for (std::size_t at = 0; at < text.size();) {
        if (blank(text[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && !blank(text[end])) ++end;
        const std::string word = text.substr(at, end - at);
        at = end;
        if (text_room(word, kEm) <= room) {
            add(word, " ");
            continue;
        }
        for (std::size_t i = 0; i < word.size();) {
            std::size_t next = i + 1;
            while (next < word.size() && (static_cast<unsigned char>(word[next]) & 0xC0) == 0x80) {
                ++next;
            }
            add(word.substr(i, next - i), lines.back().empty() || i > 0 ? "" : " ");
            i = next;
        }
    }
    return lines;
}

Shape mark_of(const LawLook& look, bool hollow) {
    const int side = hollow ? kFoundPixels : kPointPixels;
    return Shape{-1, Box{0, 0, side * kTwips, side * kTwips}, look.mark,
                 hollow ? look.colour : kInk, hollow ? kPaper : look.colour};
}

std::vector<LegendEntry> legend_entries(const Notebook& n, PlotView view,
                                        const Translate& translate) {
    std::vector<LegendEntry> out;
    const std::set<float> fs = focal_lengths(n);
    for (const float focal : fs) {
        const LawLook& look = law_look(focal);
        out.push_back({{mark_of(look, false)},
                       with_numbers(translate(kFocalLegend), {decimal_text(focal, 2)}),
                       look.colour});
    }
    // The hollow marks of the focal lengths whose rows have one.
    LegendEntry found{{}, translate(kFoundLegend), kInk};
    std::set<const LawLook*> looks;
    for (const Measurement& m : n.rows()) {
        if (found_point(m, view)) looks.insert(&law_look(m.focal_length));
    }
    for (const float focal : fs) {
        if (looks.count(&law_look(focal))) found.marks.push_back(mark_of(law_look(focal), true));
    }
    if (!found.marks.empty()) out.push_back(std::move(found));
    return out;
}

// Where everything of the plot stands: the frame, the grid's steps, and the legend's entries at
// their places (pixels).
struct PlotLayout {
    PlotFrame frame;
    double step_x = 1, step_y = 1;
    int places = 1;
    std::vector<LegendEntry> legend;
    std::vector<std::pair<float, float>> legend_at;  // each entry's left and top
    float up_name_top = 0;
    std::vector<std::string> title;  // in lines, where the plot is narrow
};

// The widest number of an axis from `low` to `high` at `places`: no number between is longer
// than the longer end.
float number_room(double low, double high, int places) {
    return std::max(text_room(decimal_text(low, places), kEm),
                    text_room(decimal_text(high, places), kEm));
}

// The smallest round step whose numbers stand `room` pixels apart or more on `length` pixels.
double step_for(double span, double length, double room) {
    for (int nth = 0;; ++nth) {
        const double step = round_step(span, nth);
        if (!(step > 0) || !std::isfinite(step) || step / span * length >= room || nth > 30) {
            return step;
        }
    }
}

PlotLayout lay_out(const Notebook& n, PlotView view, int width, int height,
                   const Translate& translate) {
    PlotLayout l;
    PlotFrame& frame = l.frame;
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

    // Room for the numbers up the left and along the bottom, the title above, the legend in a
    // column on the right where it is narrow enough, else in lines under the title.
    l.places = view == PlotView::distances ? 1 : 2;
    const float up_room = number_room(frame.y_min, frame.y_max, l.places);
    const float across_room = number_room(frame.x_min, frame.x_max, l.places);
    const int left = static_cast<int>(std::ceil(up_room)) + 6 + kEdge;
    l.legend = legend_entries(n, view, translate);
    float column = 0;
    for (const LegendEntry& e : l.legend) column = std::max(column, e.width());
    const bool in_column = !l.legend.empty() && column + 2 * kGap <= kLegendShare * width;
    const int right = in_column ? static_cast<int>(std::ceil(column)) + 2 * kGap
                                : static_cast<int>(std::ceil(across_room / 2)) + kEdge;
    const std::string title =
        translate(view == PlotView::distances ? kDistancesTitle : kReciprocalsTitle);
    l.title = text_room(title, kEm) > width - 2.0f * kEdge ? wrapped(title, width - 2.0f * kEdge)
                                                           : std::vector<std::string>{title};
    const float under_title = kEdge + static_cast<float>(l.title.size()) * kLine;
    float top = under_title;
    if (!in_column && !l.legend.empty()) {
        float x = kEdge;
        std::size_t row_lines = 1;
        top += 2;
        for (LegendEntry& e : l.legend) {
            const float room = width - 2.0f * kEdge - e.marks_width();
            if (text_room(e.text, kEm) > room) e.lines = wrapped(e.text, room);
            if (x > kEdge && (x + e.width() > width - kEdge || e.lines.size() > 1)) {
                x = kEdge;
                top += static_cast<float>(row_lines) * kLine + 2;
                row_lines = 1;
            }
            l.legend_at.emplace_back(x, top);
            row_lines = std::max(row_lines, e.lines.size());
            x += e.width() + 2 * kGap;
        }
        top += static_cast<float>(row_lines) * kLine;
    }
    // A plot too low for its legend in lines shows its curves without it rather than no area.
    if (!in_column && height - top - (kLine + 4) - (4 + 2 * kLine + 2) < 2 * kLine) {
        l.legend.clear();
        l.legend_at.clear();
        top = under_title;
    }
    l.up_name_top = top + 1;
    top += kLine + 4;
    const int bottom = 4 + 2 * kLine + 2;
    frame.area = {left, static_cast<int>(top), std::max(width - left - right, 1),
                  std::max(height - static_cast<int>(top) - bottom, 1)};
    if (in_column) {
        for (std::size_t i = 0; i < l.legend.size(); ++i) {
            l.legend_at.emplace_back(frame.area.left + frame.area.width + kGap,
                                     frame.area.top + static_cast<float>(i) * (kLine + 4));
        }
    }
    l.step_x = step_for(frame.x_max - frame.x_min, frame.area.width, across_room + kGap);
    l.step_y = step_for(frame.y_max - frame.y_min, frame.area.height, kLine + 2);
    return l;
}

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

PlotFrame plot_frame(const Notebook& n, PlotView view, int width, int height,
                     const Translate& translate) {
    return lay_out(n, view, width, height, translate).frame;
}

void draw_plot(const Notebook& n, PlotView view, int width, int height, const Translate& translate,
               Drawing& out, std::deque<std::string>& words) {
    out.clear();
    words.clear();
    const PlotLayout l = lay_out(n, view, width, height, translate);
    const PlotFrame& f = l.frame;
    Plotter p{f, out, words};
    out.push_back(FilledRect{{0, 0, width * kTwips, height * kTwips}, kPaper});

    // The words first, each in a box as wide as it needs; a number of the axes is left out where
    // it would lie over words already placed or run off the plot.
    std::vector<Box> taken;
    const auto place = [&](std::string s, const Box& box, Rgb colour, Align align) {
        taken.push_back(box);
        p.text(std::move(s), box, colour, align);
    };
    const bool distances = view == PlotView::distances;
    for (std::size_t k = 0; k < l.title.size(); ++k) {
        place(l.title[k],
              twips(kEdge, 3 + static_cast<float>(k) * kLine,
                    std::min(text_room(l.title[k], kEm), width - 2.0f * kEdge), kLine),
              kInk, Align::left);
    }
    const auto up = translate(distances ? kUp : kUpReciprocal);
    place(up,
          twips(kEdge, l.up_name_top, std::min(text_room(up, kEm), width - 2.0f * kEdge), kLine),
          kInk, Align::left);
    const auto across = translate(distances ? kAcross : kAcrossReciprocal);
    const float across_width = std::min(text_room(across, kEm), width - 2.0f * kEdge);
    place(across,
          twips(std::max<float>(kEdge, f.area.left + f.area.width - across_width),
                f.area.top + f.area.height + 4 + kLine + 1, across_width, kLine),
          kInk, Align::left);
    for (std::size_t i = 0; i < l.legend.size(); ++i) {
        const LegendEntry& e = l.legend[i];
        float x = l.legend_at[i].first;
        const float top = l.legend_at[i].second;
        for (Shape mark : e.marks) {
            const float side = mark.box.width / kTwips;
            mark.box.left = (x + (kFoundPixels - side) / 2) * kTwips;
            mark.box.top = (top + (kLine - side) / 2) * kTwips;
            taken.push_back(mark.box);
            out.push_back(mark);
            x += kFoundPixels + 2;
        }
        x += 2;
        for (std::size_t k = 0; k < e.lines.size(); ++k) {
            place(e.lines[k],
                  twips(x, top + static_cast<float>(k) * kLine,
                        std::min(text_room(e.lines[k], kEm), width - kEdge - x), kLine),
                  e.colour, Align::left);
        }
    }
    const Box plot{0, 0, width * kTwips, height * kTwips};
    const auto number = [&](double v, const Box& box, Align align) {
        const bool within = box.left >= plot.left && box.top >= plot.top &&
                            box.left + box.width <= plot.width &&
                            box.top + box.height <= plot.height;
        if (!within || std::any_of(taken.begin(), taken.end(),
                                   [&](const Box& b) { return overlap(b, box); })) {
            return;
        }
        place(decimal_text(v, l.places), box, kInk, align);
    };

    // The grid, its numbers, and the axes through zero.
    for (const double v : ticks(f.x_min, f.x_max, l.step_x)) {
        p.line(v, f.y_min, v, f.y_max, std::fabs(v) < 1e-9 ? kAxis : kGrid);
        const float room = text_room(decimal_text(v, l.places), kEm);
        number(v,
               Box{p.x(v) - room / 2 * kTwips, (f.area.top + f.area.height + 4) * kTwips,
                   room * kTwips, kLine * kTwips},
               Align::centre);
    }
    for (const double v : ticks(f.y_min, f.y_max, l.step_y)) {
        p.line(f.x_min, v, f.x_max, v, std::fabs(v) < 1e-9 ? kAxis : kGrid);
        const float room = text_room(decimal_text(v, l.places), kEm);
        number(v,
               Box{(f.area.left - 6 - room) * kTwips, p.y(v) - 8 * kTwips, room * kTwips,
                   kLine * kTwips},
               Align::right);
    }

    // The law for each focal length recorded, in its own colour.
    for (const float focal : focal_lengths(n)) {
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
    }

    // A mark for each row with an image, in its focal length's colour and shape; where a pupil
    // found the image on their screen, the same shape, larger and hollow, around that place. The
    // hollow marks lie under every row's own, so that no found place hides one. A mark that a
    // later one covers exactly (a row alike) is left out, and only the newest kMostMarks are
    // drawn, so that the drawing stays bounded whatever the notebook holds and looks as every
    // mark drawn would. Marks come last, a new row's own at the end, so that a face may paint
    // only what a record without the experiment added.
    std::vector<Shape> marks;
    for (const bool hollow : {true, false}) {
        for (const Measurement& m : n.rows()) {
            const auto point = hollow ? found_point(m, view) : plot_point(m, view);
            if (!point || !p.inside(point->first, point->second)) continue;
            Shape mark = mark_of(law_look(m.focal_length), hollow);
            mark.box.left = p.x(point->first) - mark.box.width / 2;
            mark.box.top = p.y(point->second) - mark.box.height / 2;
            marks.push_back(mark);
        }
    }
    std::vector<bool> shown(marks.size());
    std::set<std::tuple<float, float, float, Rgb, Rgb>> covered;
    for (std::size_t i = marks.size(), count = 0; i-- > 0 && count < kMostMarks;) {
        const Shape& m = marks[i];
        if (covered.emplace(m.box.left, m.box.top, m.box.width, m.outline, m.fill).second) {
            shown[i] = true;
            ++count;
        }
    }
    for (std::size_t i = 0; i < marks.size(); ++i) {
        if (shown[i]) out.push_back(marks[i]);
    }
}

std::vector<std::string_view> plot_texts() {
    return {kDistancesTitle,   kReciprocalsTitle, kAcross,      kUp,
            kAcrossReciprocal, kUpReciprocal,     kFocalLegend, kFoundLegend};
}

}  // namespace korru
