// SPDX-License-Identifier: MIT
// The notebook's plot read at every size it is shown at, from a phone's sheet to a 4K screen, in
// every language of the catalogues and for many kinds of notebook: no words over other words or
// over a line, nothing off the plot, the legend beside the curves and marks (never on them) with
// the very marks the plot uses, no mark hidden under a hollow one, and numbers on both axes.
#include "lesson/plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "lesson/text_room.h"
#include "support.h"

namespace korru {
namespace {

// The plot's texts in each catalogue, read plainly from its file (the model has no toolkit).
using Words = std::map<std::string, std::string, std::less<>>;

std::string unescaped(std::string s) {
    for (const auto& [from, to] : {std::pair<std::string, std::string>{"&lt;", "<"},
                                   {"&gt;", ">"},
                                   {"&quot;", "\""},
                                   {"&apos;", "'"},
                                   {"&amp;", "&"}}) {
        for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + 1)) {
            s.replace(at, from.size(), to);
        }
    }
    return s;
}

std::map<std::string, Words> catalogues() {
    std::map<std::string, Words> out{{"ja", {}}};
    for (const char* code : {"en", "es", "fil", "ko", "ne", "pt_BR", "vi", "zh_CN"}) {
        std::ifstream file(std::string(KORRU_SOURCE_DIR "/translations/korru_") + code + ".ts");
        std::stringstream text;
        text << file.rdbuf();
        const std::string all = text.str();
        EXPECT_FALSE(all.empty()) << code;
        static const std::regex message(
            "<source>([^<]*)</source>\\s*<translation[^>]*>([^<]*)</translation>");
        Words& words = out[code];
        for (auto it = std::sregex_iterator(all.begin(), all.end(), message);
             it != std::sregex_iterator(); ++it) {
            words[unescaped((*it)[1])] = unescaped((*it)[2]);
        }
    }
    return out;
}

// A notebook of the kinds a class makes: rows of either lens or both, images real and virtual,
// found on the screen (where the law puts them, or not), a row on the focal point, and many.
struct Rows {
    const char* name;
    Notebook notebook;
};

void PrintTo(const Rows& r, std::ostream* os) {
    *os << r.name;
}

Measurement row(float a, float f, std::optional<float> screen = {}) {
    Measurement m;
    m.candle_distance = a;
    m.focal_length = f;
    m.candle_height = 2;
    if (std::fabs(a - f) > 1e-3f) {
        m.image_distance = a * f / (a - f);
        m.image = m.image_distance > 0 ? ImageCase::real : ImageCase::virtual_image;
        m.magnification = m.image_distance / a;
        m.image_height = 2 * m.magnification;
    }
    m.screen = screen;
    return m;
}

std::vector<Rows> row_sets() {
    const auto book = [](std::initializer_list<Measurement> rows) {
        Notebook n;
        RowId id = 0;
        for (const Measurement& m : rows) n.add(++id, m);
        return n;
    };
    Notebook many;
    for (int i = 0; i < 300; ++i) {
        const float f = i % 2 ? 6.0f : 4.0f, a = 1 + 0.25f * static_cast<float>(i % 76);
        const Measurement m = row(a, f, i % 3 ? std::optional<float>{} : std::optional<float>(7));
        many.add(static_cast<RowId>(i + 1), m);
    }
    return {
        {"empty", {}},
        {"short_lens", book({row(8, 4), row(12, 4), row(6, 4)})},
        {"long_lens_virtual", book({row(3, 6), row(8.5f, 6), row(4.25f, 6)})},
        {"both_lenses", book({row(8, 4), row(10, 6), row(2, 4), row(6, 6)})},
        {"found_where_the_law_puts_it", book({row(8, 4, 8), row(12, 6, 12), row(10, 4, 7)})},
        {"found_elsewhere_and_on_the_focal_point",
         book({row(8, 4, 10), row(6, 6), row(4.05f, 4), row(19, 6, 11.5f)})},
        {"many", many},
    };
}

bool overlap(const Box& a, const Box& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

// Whether the segment crosses the inside of the box (clipped against it, Liang-Barsky).
bool crosses(const Line& l, const Box& b) {
    double t0 = 0, t1 = 1;
    const double dx = l.x2 - l.x1, dy = l.y2 - l.y1;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {l.x1 - b.left, b.left + b.width - l.x1, l.y1 - b.top,
                        b.top + b.height - l.y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] <= 0) return false;
        } else {
            const double t = q[i] / p[i];
            if (p[i] < 0)
                t0 = std::max(t0, t);
            else
                t1 = std::min(t1, t);
        }
    }
    return t0 < t1;
}

std::string where(const Box& b) {
    std::ostringstream s;
    s << "(" << b.left / kTwipsPerPixel << ", " << b.top / kTwipsPerPixel << ") "
      << b.width / kTwipsPerPixel << " x " << b.height / kTwipsPerPixel;
    return s.str();
}

// Every rule of a readable plot, for one notebook at one size in one language; the first rule
// broken, or nothing.
std::string broken_rule(const Notebook& n, PlotView view, int width, int height,
                        const Translate& translate) {
    Drawing d;
    std::deque<std::string> words;
    draw_plot(n, view, width, height, translate, d, words);
    const PlotFrame f = plot_frame(n, view, width, height, translate);
    const Box area{f.area.left * kTwipsPerPixel, f.area.top * kTwipsPerPixel,
                   f.area.width * kTwipsPerPixel, f.area.height * kTwipsPerPixel};
    const Box plot{0, 0, width * kTwipsPerPixel, height * kTwipsPerPixel};
    const auto within = [&](const Box& b) {
        return b.left >= -0.5f && b.top >= -0.5f && b.left + b.width <= plot.width + 0.5f &&
               b.top + b.height <= plot.height + 0.5f;
    };
    const auto centre_in_area = [&](const Shape& s) {
        const float x = s.box.left + s.box.width / 2, y = s.box.top + s.box.height / 2;
        return x >= area.left && x <= area.left + area.width && y >= area.top &&
               y <= area.top + area.height;
    };
    std::vector<const Text*> texts;
    std::vector<const Line*> lines;
    std::vector<const Shape*> marks, legend;
    for (const Primitive& p : d) {
        if (const auto* t = std::get_if<Text>(&p)) texts.push_back(t);
        if (const auto* l = std::get_if<Line>(&p)) lines.push_back(l);
        if (const auto* s = std::get_if<Shape>(&p))
            (centre_in_area(*s) ? marks : legend).push_back(s);
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const Text& t = *texts[i];
        if (!within(t.box)) return "\"" + std::string(t.text) + "\" off the plot " + where(t.box);
        if (t.box.width + 0.5f < text_room(t.text, 12) * kTwipsPerPixel &&
            t.box.width + 0.5f < plot.width - 8 * kTwipsPerPixel) {
            return "\"" + std::string(t.text) + "\" cut short where there is room";
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (overlap(t.box, texts[j]->box)) {
                return "\"" + std::string(t.text) + "\" over \"" + std::string(texts[j]->text) +
                       "\" " + where(t.box);
            }
        }
        for (const Line* l : lines) {
            if (crosses(*l, t.box)) return "a line through \"" + std::string(t.text) + "\"";
        }
    }
    for (const Shape* s : legend) {
        if (!within(s->box)) return "a legend's mark off the plot";
        for (const Line* l : lines) {
            if (crosses(*l, s->box)) return "a line through a legend's mark " + where(s->box);
        }
        for (const Shape* m : marks) {
            if (overlap(m->box, s->box)) return "a mark on the legend's " + where(s->box);
        }
        for (const Text* t : texts) {
            if (overlap(t->box, s->box))
                return "a legend's mark under \"" + std::string(t->text) + "\"";
        }
    }
    // The legend shows each look of a mark the plot shows, as it is drawn, and no other.
    const auto look = [](const Shape* s) {
        return std::tuple{s->kind, s->outline, s->fill, std::lround(s->box.width)};
    };
    std::set<std::tuple<ShapeKind, Rgb, Rgb, long>> plotted, explained;
    for (const Shape* s : marks) plotted.insert(look(s));
    for (const Shape* s : legend) explained.insert(look(s));
    for (const auto& l : plotted) {
        // A plot lower than a phone's shows no legend rather than no curves.
        if (legend.empty() && height < 200) break;
        if (!explained.count(l)) return "a mark of the plot the legend does not show";
    }
    // No row's mark is hidden under a hollow one: the last shape over its centre is solid.
    for (std::size_t i = 0; i < d.size(); ++i) {
        const auto* s = std::get_if<Shape>(&d[i]);
        if (!s || !centre_in_area(*s) || s->outline != 0x202020) continue;
        const float x = s->box.left + s->box.width / 2, y = s->box.top + s->box.height / 2;
        for (std::size_t j = d.size(); j-- > i + 1;) {
            const auto* over = std::get_if<Shape>(&d[j]);
            if (!over || !overlap(over->box, Box{x - 1, y - 1, 2, 2})) continue;
            if (over->fill == 0xFFFFFF) return "a row's mark hidden at " + where(s->box);
            break;
        }
    }
    // Numbers on both axes where the area has any room.
    int across = 0, up = 0;
    for (const Text* t : texts) {
        if (t->text.empty() ||
            !(std::isdigit(static_cast<unsigned char>(t->text[0])) || t->text[0] == '-')) {
            continue;
        }
        if (t->box.top >= area.top + area.height)
            ++across;
        else if (t->box.left + t->box.width <= area.left)
            ++up;
    }
    if (f.area.width >= 150 && across < 3) return "fewer than three numbers across";
    if (f.area.height >= 100 && up < 3) return "fewer than three numbers up";
    if (width >= 320 && height >= 200 && (f.area.width < width / 2 || f.area.height < height / 3)) {
        return "the plot's area squeezed by its words";
    }
    return {};
}

class ReadablePlot : public testing::TestWithParam<Rows> {};

TEST_P(ReadablePlot, AtEverySizeInEveryLanguage) {
    const Notebook& n = GetParam().notebook;
    const std::vector<std::pair<int, int>> sizes{
        {200, 150},  {240, 180},   {290, 217},   {358, 268},  {420, 315},
        {460, 300},  {480, 360},   {640, 480},   {800, 300},  {1000, 750},
        {1366, 400}, {1920, 1080}, {3840, 2160}, {3840, 500}, {400, 900}};
    for (const auto& [code, words] : catalogues()) {
        const Translate translate = [&words = words](std::string_view text) {
            const auto found = words.find(text);
            return found == words.end() ? std::string(text) : found->second;
        };
        for (const auto& [width, height] : sizes) {
            for (const PlotView view : {PlotView::distances, PlotView::reciprocals}) {
                const std::string broken = broken_rule(n, view, width, height, translate);
                EXPECT_EQ(broken, "") << code << ", " << width << " x " << height << ", "
                                      << (view == PlotView::distances ? "a, b" : "1/a, 1/b");
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Plot, ReadablePlot, testing::ValuesIn(row_sets()),
                         [](const auto& info) { return std::string(info.param.name); });

// Rows read back from an edited notebook may give a lens's focal length a rounding away, as far
// as the notebook takes for a bench's: still that lens, with its one law, legend line and look.
TEST(Plot, ALensReadBackARoundingAwayIsStillThatLens) {
    Notebook n;
    RowId id = 0;
    for (const float f : {4.0f, 4.004f, 3.997f, 6.0f, 6.006f}) n.add(++id, row(8, f));
    const Translate same = [](std::string_view t) { return std::string(t); };
    for (const PlotView view : {PlotView::distances, PlotView::reciprocals}) {
        Drawing d;
        std::deque<std::string> words;
        draw_plot(n, view, 640, 480, same, d, words);
        int legend_lines = 0;
        std::set<Rgb> fills;
        for (const Primitive& p : d) {
            if (const auto* t = std::get_if<Text>(&p))
                legend_lines += t->text.rfind("f = ", 0) == 0;
            if (const auto* s = std::get_if<Shape>(&p)) fills.insert(s->fill);
        }
        EXPECT_EQ(legend_lines, 2);
        EXPECT_EQ(fills, (std::set<Rgb>{0x0072B2, 0xD55E00}));
        EXPECT_LT(d.size(), 1000u);
    }
}

}  // namespace
}  // namespace korru
