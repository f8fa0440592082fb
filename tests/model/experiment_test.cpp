// SPDX-License-Identifier: MIT
// The experiment: the screen's numbers follow the thin-lens law worked out here on its own; the
// light on the screen is sharp where the image forms and where the window draws it, spreads as
// the lens's open aperture either side, is half as much with half the lens covered and none with
// all of it; the rays stop where the screen and the covers stop them; and a drawing's pixels
// reach an SVG as a PNG that any reader decodes to the same pixels.
#include "lesson/experiment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <sstream>

#include "bench/png.h"
#include "bench/scene.h"
#include "bench/svg.h"
#include "lesson/experiment_words.h"
#include "lesson/screen_light.h"
#include "support.h"

namespace korru {
namespace {

using ids = Window::ids;

// A bench with the focal length of `focal` squares and the candle `a` squares left of the lens,
// its foot `lift` squares above the axis, reached by the arrows from where it starts (16 squares,
// on the axis).
Window bench(int focal, float a, float lift = 0) {
    Window w = test::started();
    if (focal == 6) click(w, Click::fmove_long);
    const int steps = static_cast<int>(std::lround((16 - a) * 4));
    test::clicks(w, steps > 0 ? Click::mr : Click::ml, std::abs(steps));
    const int up = static_cast<int>(std::lround(lift * 4));
    test::clicks(w, up > 0 ? Click::mu : Click::md, std::abs(up));
    EXPECT_NEAR(w.bench.sdist, a * w.bench.unit, 1);
    EXPECT_NEAR(w.bench.slift, lift * w.bench.unit, 1);
    return w;
}

Experiment screen_at(float squares, bool upper = false, bool lower = false) {
    Experiment e;
    e.on = true;
    e.quarters = static_cast<int>(std::lround(squares * 4));
    e.upper_covered = upper;
    e.lower_covered = lower;
    return e;
}

Drawing seen(const Window& w, const Experiment& e, double ratio = 2) {
    Drawing d = draw_bench(w);
    draw_experiment(w, e, ratio, d);
    return d;
}

// The light of a drawing's raster, in pixels of the bench: how much in all (a pixel fully lit
// counts one; the raster's alpha holds the light's square root), the brightest pixel, and the
// box of the pixels that any light reaches.
struct Light {
    int rasters = 0;
    double total = 0, brightest = 0;
    double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
    double width() const { return right - left; }
    double height() const { return bottom - top; }
};

Light light_of(const Drawing& d, double ratio = 2) {
    Light l;
    for (const Primitive& p : d) {
        const auto* r = std::get_if<Raster>(&p);
        if (!r) continue;
        ++l.rasters;
        const Rgba& px = *r->pixels;
        // The raster covers the device pixels of its box, which a face rounds at its ratio.
        const PixelBox device = device_box(pixel_box(r->box), ratio);
        const double w = device.width / ratio / px.width, h = device.height / ratio / px.height;
        for (int y = 0; y < px.height; ++y) {
            for (int x = 0; x < px.width; ++x) {
                const double a =
                    px.bytes[(static_cast<std::size_t>(y) * px.width + x) * 4 + 3] / 255.0;
                if (a == 0) continue;
                l.total += a * a * w * h;
                l.brightest = std::max(l.brightest, a * a);
                const double left = device.left / ratio + x * w, top = device.top / ratio + y * h;
                l.left = std::min(l.left, left);
                l.top = std::min(l.top, top);
                l.right = std::max(l.right, left + w);
                l.bottom = std::max(l.bottom, top + h);
            }
        }
    }
    return l;
}

// The share of the candle picture that is not clear ('.'), read from its grid: the strings after
// the header and the colours.
double opaque_share() {
    std::ifstream file(KORRU_SOURCE_DIR "/assets/candle.xpm");
    std::vector<std::string> rows;
    for (std::string line; std::getline(file, line);) {
        if (line.size() > 2 && line[0] == '"') rows.push_back(line.substr(1, line.rfind('"') - 1));
    }
    int width = 0, height = 0, colours = 0, opaque = 0;
    std::istringstream(rows.at(0)) >> width >> height >> colours;
    for (std::size_t r = 1 + colours; r < rows.size(); ++r) {
        opaque += static_cast<int>(rows[r].size()) -
                  static_cast<int>(std::count(rows[r].begin(), rows[r].end(), '.'));
    }
    return static_cast<double>(opaque) / (width * height);
}

// The thin-lens law worked out in double precision: the screen at x, the blur's diameter
// D * |1 - x/b| with 1/b = 1/f - 1/a (0 where the window forms no image), the scale x/a.
struct Law {
    double x, blur, scale;
};

Law law(const Window& w, int quarters) {
    const double a = w.bench.sdist, f = w.bench.flen, d = w[ids::lens].height;
    const double x = quarters * (w.bench.unit / 4.0);
    const bool image = w[ids::real_image].visible || w[ids::virtual_image].visible;
    const double over_b = image ? 1 / f - 1 / a : 0;
    return {x, d * std::fabs(1 - x * over_b), x / a};
}

// --- The numbers -------------------------------------------------------------------------------

struct Covers {
    const char* name;
    bool upper, lower;
    float open;
};
void PrintTo(const Covers& c, std::ostream* os) {
    *os << c.name;
}

class Facts : public testing::TestWithParam<std::tuple<int, Covers>> {};

// Over every place of the candle, real and virtual images and none, at screens across the bench.
TEST_P(Facts, FollowTheLensLawWorkedOutOnItsOwn) {
    const auto [focal, covers] = GetParam();
    Window w = bench(focal, 20);
    std::mt19937 pick(19);
    std::uniform_int_distribution<int> quarters(Experiment::kNearest, Experiment::kFarthest);
    int real = 0, virt = 0, none = 0;
    for (float before = -1; before != w.bench.sdist;) {
        real += w[ids::real_image].visible;
        virt += w[ids::virtual_image].visible;
        none += !w[ids::real_image].visible && !w[ids::virtual_image].visible;
        for (int q : {quarters(pick), quarters(pick), quarters(pick), Experiment::kFarthest}) {
            Experiment e = screen_at(q / 4.0f, covers.upper, covers.lower);
            const ExperimentFacts f = experiment_facts(w, e);
            const Law l = law(w, q);
            const double d = w[ids::lens].height;
            EXPECT_NEAR(f.screen_x, l.x, l.x * 1e-6) << q;
            EXPECT_NEAR(f.blur, l.blur, d * 2e-5) << "a " << w.bench.sdist << " x " << l.x;
            EXPECT_NEAR(f.scale, l.scale, l.scale * 1e-6);
            EXPECT_EQ(f.open, covers.open);
        }
        before = w.bench.sdist;
        click(w, Click::mr);
    }
    EXPECT_GT(real, 0);
    EXPECT_GT(virt, 0);
    EXPECT_GT(none, 0) << "the candle on the focal point, where 1/b = 0";
}

INSTANTIATE_TEST_SUITE_P(Experiment, Facts,
                         testing::Combine(testing::Values(4, 6),
                                          testing::Values(Covers{"open", false, false, 1},
                                                          Covers{"upper", true, false, 0.5f},
                                                          Covers{"lower", false, true, 0.5f},
                                                          Covers{"both", true, true, 0})),
                         [](const auto& info) {
                             return "f" + std::to_string(std::get<0>(info.param)) + "_" +
                                    std::get<1>(info.param).name;
                         });

TEST(ExperimentScreen, MovesAQuarterSquareAStepFromJustRightOfTheLensToTheBenchsEdge) {
    const Window w = test::started();
    Experiment e;
    const auto x = [&] { return experiment_facts(w, e).screen_x / w.bench.unit; };
    EXPECT_EQ(x(), 10);
    for (float expected = 10.25f; e.screen_r(); expected += 0.25f) EXPECT_FLOAT_EQ(x(), expected);
    EXPECT_EQ(x(), 20);
    EXPECT_NEAR(w.bench.lensx + x() * w.bench.unit, w[ids::bench_area].width, 0.01);
    for (float expected = 19.75f; e.screen_l(); expected -= 0.25f) EXPECT_FLOAT_EQ(x(), expected);
    EXPECT_EQ(x(), 0.25f);
    // A pointer takes the card anywhere up and down it, and brings it to the nearest place.
    EXPECT_FALSE(takes_screen(w, e, {w.bench.lensx + w.bench.unit / 4, 0}, 0)) << "off";
    e.on = true;
    const float middle = w.bench.lensx + w.bench.unit / 4, top = 0;
    EXPECT_TRUE(takes_screen(w, e, {middle + w.bench.unit * 0.9f, top}, 0));
    EXPECT_FALSE(takes_screen(w, e, {middle + w.bench.unit * 1.1f, top}, 0));
    EXPECT_TRUE(takes_screen(w, e, {middle + w.bench.unit * 1.1f, top}, 3 * w.bench.unit));
    EXPECT_EQ(screen_steps_to(w, e, middle + w.bench.unit * 0.9f), 4);
    EXPECT_EQ(screen_steps_to(w, e, middle - w.bench.unit), 0) << "not past the lens";
    EXPECT_EQ(screen_steps_to(w, e, w[ids::bench_area].width * 2), 79);
    e.quarters = -5;  // a place from outside is read within the limits
    EXPECT_EQ(x(), 0.25f);
    e.quarters = 1000;
    EXPECT_EQ(x(), 20);
}

// --- The light on the screen ------------------------------------------------------------------

// Candles whose image forms on a quarter square, so that the screen can stand on it.
struct Sharp {
    const char* name;
    int focal;
    float a, b;  // squares
    float lift = 0;
};

void PrintTo(const Sharp& s, std::ostream* os) {
    *os << s.name;
}

class OnTheScreen : public testing::TestWithParam<Sharp> {};

// At x = b the light is the window's image: where it is drawn, as much as the candle's opaque
// part of it, on the face's own device pixels; half the light with half the lens covered.
TEST_P(OnTheScreen, AtTheImageItIsTheWindowsImageSharp) {
    const Sharp s = GetParam();
    const Window w = bench(s.focal, s.a, s.lift);
    ASSERT_TRUE(w[ids::real_image].visible);
    const PixelBox image = pixel_box(w[ids::real_image].left, w[ids::real_image].top,
                                     w[ids::real_image].width, w[ids::real_image].height);
    for (double ratio : {1.0, 1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        const Experiment e = screen_at(s.b);
        EXPECT_LT(experiment_facts(w, e).blur, 1);
        const Drawing d = seen(w, e, ratio);
        const Light l = light_of(d, ratio);
        ASSERT_EQ(l.rasters, 1);
        EXPECT_NEAR(l.left, image.left, 1);
        EXPECT_NEAR(l.top, image.top, 1);
        EXPECT_NEAR(l.right, image.left + image.width, 1);
        EXPECT_NEAR(l.bottom, image.top + image.height, 1);
        const double area = w[ids::real_image].width * w[ids::real_image].height /
                            (kTwipsPerPixel * kTwipsPerPixel);
        EXPECT_NEAR(l.total / area, opaque_share(), 0.03);
        EXPECT_NEAR(l.brightest, 1, 0.01);
        for (const Primitive& p : d) {
            if (const auto* r = std::get_if<Raster>(&p)) {
                const PixelBox device = device_box(pixel_box(r->box), ratio);
                EXPECT_EQ(r->pixels->width, device.width) << "a raster pixel a device pixel";
                EXPECT_EQ(r->pixels->height, device.height);
            }
        }
        for (const auto& [upper, lower] : {std::pair{true, false}, std::pair{false, true}}) {
            const Light half = light_of(seen(w, screen_at(s.b, upper, lower), ratio), ratio);
            EXPECT_NEAR(half.left, l.left, 1);
            EXPECT_NEAR(half.top, l.top, 1);
            EXPECT_NEAR(half.right, l.right, 1);
            EXPECT_NEAR(half.bottom, l.bottom, 1);
            EXPECT_NEAR(half.total / l.total, 0.5, 0.02) << upper;
        }
        EXPECT_EQ(light_of(seen(w, screen_at(s.b, true, true), ratio)).rasters, 0);
    }
}

// Either side of b each point spreads over the aperture scaled by |1 - x/b|: the light reaches
// as far as the sharp image and the blur's diameter, the more the farther from b, and its
// brightest pixel is dimmer. A half cover leaves the half-disc: as wide, half as tall a blur,
// and half the light.
TEST_P(OnTheScreen, EitherSideTheBlurGrowsAsTheAperture) {
    const Sharp s = GetParam();
    const Window w = bench(s.focal, s.a, s.lift);
    const double px = kTwipsPerPixel, card = w[ids::screen_card].width / px;
    const double bench_height = w[ids::bench_area].height / px;
    for (int side : {-1, 1}) {
        double last_blur = 0, last_brightest = 1;
        for (int quarters : {2, 4, 8, 12}) {
            const float x = s.b + side * quarters / 4.0f;
            if (x * 4 < Experiment::kNearest || x * 4 > Experiment::kFarthest) continue;
            SCOPED_TRACE(testing::Message() << "x " << x);
            const Law l = law(w, static_cast<int>(std::lround(x * 4)));
            const double blur = l.blur / px;
            const double image_h = w[ids::source].height * l.scale / px,
                         image_w = w[ids::source].width * l.scale / px;
            const Light full = light_of(seen(w, screen_at(x)));
            ASSERT_EQ(full.rasters, 1);
            // A blur pixel at most kBlurPixels across it, and a device pixel each side.
            const double slack = 2 + blur / kBlurPixels;
            if (full.top > 0 && full.bottom < bench_height) {
                EXPECT_NEAR(full.height(), image_h + blur, slack);
            }
            EXPECT_NEAR(full.width(), std::min(image_w + blur, card), slack);
            EXPECT_GT(blur, last_blur);
            EXPECT_LE(full.brightest, last_brightest + 1e-3);
            // Wider than the picture, the blur leaves no pixel all the light of the sharp image.
            if (blur > image_w + 1) {
                EXPECT_LT(full.brightest, 0.99);
            }
            last_blur = blur;
            last_brightest = full.brightest;

            for (const auto& [upper, lower] : {std::pair{true, false}, std::pair{false, true}}) {
                const Light half = light_of(seen(w, screen_at(x, upper, lower)));
                EXPECT_NEAR(half.width(), full.width(), slack);
                if (full.top > 0 && full.bottom < bench_height) {
                    EXPECT_NEAR(half.height(), image_h + blur / 2, slack);
                    EXPECT_NEAR(half.total / full.total, 0.5, 0.02);
                    // The open half stands upright before the image and turned over beyond it:
                    // the light reaches as far as the whole lens's on the side it spreads to.
                    const bool downward = upper == (side < 0);
                    if (downward) {
                        EXPECT_NEAR(half.bottom, full.bottom, slack);
                    } else {
                        EXPECT_NEAR(half.top, full.top, slack);
                    }
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Experiment, OnTheScreen,
                         testing::Values(Sharp{"f4_a8_b8", 4, 8, 8},
                                         Sharp{"f4_a12_b6_lifted", 4, 12, 6, 1.5f},
                                         Sharp{"f4_a6_b12", 4, 6, 12}, Sharp{"f4_a5_b20", 4, 5, 20},
                                         Sharp{"f6_a12_b12", 6, 12, 12},
                                         Sharp{"f6_a18_b9_lowered", 6, 18, 9, -4},
                                         Sharp{"f6_a10_b15", 6, 10, 15}),
                         [](const auto& info) { return std::string(info.param.name); });

struct Inside {
    const char* name;
    int focal;
    float a;
};

void PrintTo(const Inside& s, std::ostream* os) {
    *os << s.name;
}

class NoRealImage : public testing::TestWithParam<Inside> {};

// With the candle inside the focal length or on it no screen shows it sharp: the blur is at
// least the lens and grows with x, and so does the light's reach while the card holds it.
TEST_P(NoRealImage, BlurredEverywhereAndMoreSoFartherOut) {
    const Inside s = GetParam();
    const Window w = bench(s.focal, s.a);
    ASSERT_FALSE(w[ids::real_image].visible);
    const double bench_height = w[ids::bench_area].height / kTwipsPerPixel;
    double last_blur = 0, last_reach = 0;
    for (int q = Experiment::kNearest; q <= Experiment::kFarthest; q += 5) {
        SCOPED_TRACE(q);
        const Experiment e = screen_at(q / 4.0f);
        const ExperimentFacts f = experiment_facts(w, e);
        EXPECT_GE(f.blur, w[ids::lens].height * (1 - 1e-6));
        if (w[ids::virtual_image].visible) {
            EXPECT_GT(f.blur, last_blur);
        } else {
            EXPECT_FLOAT_EQ(f.blur, w[ids::lens].height) << "b is infinite";
        }
        const Light l = light_of(seen(w, e));
        ASSERT_EQ(l.rasters, 1);
        EXPECT_LT(l.brightest, 0.9);
        const double reach = l.height();
        if (l.top > 0 && l.bottom < bench_height) {
            EXPECT_GT(reach, last_reach);
        } else {
            EXPECT_GE(reach, last_reach - 1);
        }
        last_blur = f.blur;
        last_reach = reach;
    }
}

INSTANTIATE_TEST_SUITE_P(Experiment, NoRealImage,
                         testing::Values(Inside{"f4_a2", 4, 2}, Inside{"f4_a3_5", 4, 3.5f},
                                         Inside{"f4_on_the_focal_point", 4, 4},
                                         Inside{"f6_a5", 6, 5},
                                         Inside{"f6_on_the_focal_point", 6, 6}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- What the bar says the screen shows ----------------------------------------------------------

std::string as_written(std::string_view text) {
    return std::string(text);
}

// At every place of the candle, with either lens, and every place of the screen: the bar says
// the image is sharp exactly where it is; with no real image, that there is none to find (a
// virtual one, or none at all) wherever the screen stands; where no place of the screen shows
// the real image sharp, that it lies beyond the screen's reach, and only there; with the lens
// covered whole, that no light comes. Each case in a sentence of its own, with no number in it.
TEST(ScreenSight, TheBarSaysWhatTheScreenShowsAtEveryPlace) {
    std::map<ScreenSight, std::set<std::string>> said;
    for (const int focal : {4, 6}) {
        Window w = test::started();
        if (focal == 6) click(w, Click::fmove_long);
        test::clicks(w, Click::mr, 100);
        for (float last = -1; w.bench.sdist != last; click(w, Click::ml)) {
            last = w.bench.sdist;
            const float a = w.bench.sdist / w.bench.unit;
            SCOPED_TRACE(testing::Message() << "f = " << focal << ", a = " << a);
            const bool real = w[ids::real_image].visible;
            bool any_sharp = false;
            for (int q = Experiment::kNearest; q <= Experiment::kFarthest; ++q) {
                Experiment e = screen_at(q / 4.0f);
                const ScreenSight sight = screen_sight(w, e);
                said[sight].insert(experiment_status(w, e, as_written));
                if (!real) {
                    EXPECT_EQ(sight, w[ids::virtual_image].visible ? ScreenSight::virtual_image
                                                                   : ScreenSight::no_image);
                    continue;
                }
                any_sharp = any_sharp || screen_sharp(w, e);
                EXPECT_EQ(sight == ScreenSight::sharp, screen_sharp(w, e)) << q;
                e.upper_covered = e.lower_covered = true;
                EXPECT_EQ(screen_sight(w, e), ScreenSight::dark);
                said[ScreenSight::dark].insert(experiment_status(w, e, as_written));
            }
            if (!real) continue;
            const float b = image_distance(w.bench) / w.bench.unit;
            EXPECT_EQ(screen_sight(w, screen_at(20)) == ScreenSight::out_of_reach, !any_sharp);
            EXPECT_EQ(!any_sharp, b > 20.125f) << "b = " << b;
        }
    }
    EXPECT_EQ(screen_sight(bench(6, 8.5f), screen_at(20)), ScreenSight::out_of_reach);
    ASSERT_EQ(said.size(), 6u);
    std::set<std::string> sentences;
    for (const auto& [sight, texts] : said) {
        ASSERT_EQ(texts.size(), 1u) << static_cast<int>(sight);
        sentences.insert(*texts.begin());
        EXPECT_EQ(texts.begin()->find_first_of("0123456789"), std::string::npos);
    }
    EXPECT_EQ(sentences.size(), 6u);
}

// --- The drawing -------------------------------------------------------------------------------

TEST(ExperimentOff, LeavesTheWindowsDrawingAsItIs) {
    Window w = test::started();
    for (Click c : {Click::kosen, Click::syoten, Click::hogan}) click(w, c);
    const Drawing before = draw_bench(w);
    Drawing d = before;
    Experiment e = screen_at(5, true, true);
    e.on = false;
    draw_experiment(w, e, 2, d);
    ASSERT_EQ(d.size(), before.size());
    for (std::size_t i = 0; i < d.size(); ++i) {
        EXPECT_EQ(d[i].index(), before[i].index());
        EXPECT_EQ(item_of(d[i]), item_of(before[i]));
    }
}

const Line* ray(const Drawing& d, int i) {
    for (const Primitive& p : d) {
        const auto* l = std::get_if<Line>(&p);
        if (l && l->item == ids::rays[static_cast<std::size_t>(i)]) return l;
    }
    return nullptr;
}

// The image in the air and its label go; the screen is a card as tall as the bench at x; the
// rays stop at it, and those through a covered half at the lens, with the cover drawn there.
class ExperimentDrawing : public testing::TestWithParam<float> {};

TEST_P(ExperimentDrawing, TheScreenTheRaysAndTheCoversStandWhereTheyStopTheLight) {
    Window w = bench(4, GetParam());
    click(w, Click::kosen);
    const BenchState& b = w.bench;
    const float screen = b.lensx + 6 * b.unit;  // not where any image forms
    const Drawing d = seen(w, screen_at(6));
    int cards = 0;
    for (const Primitive& p : d) {
        const int item = item_of(p);
        EXPECT_NE(item, ids::real_image);
        EXPECT_NE(item, ids::virtual_image);
        EXPECT_NE(item, ids::image_label);
        if (const auto* s = std::get_if<Shape>(&p); s && item == ids::screen_card) {
            ++cards;
            EXPECT_FLOAT_EQ(s->box.left + s->box.width / 2, screen);
            EXPECT_EQ(s->box.top, 0);
            EXPECT_EQ(s->box.height, w[ids::bench_area].height);
        }
    }
    EXPECT_EQ(cards, 1);
    for (int i = 0; i < 4; ++i) {
        const Line* l = ray(d, i);
        ASSERT_NE(l, nullptr) << i;
        EXPECT_NEAR(l->x2, i == 1 ? b.lensx : screen, 0.5) << i;
        // Still on the line the window draws.
        const Item& whole = w.ray(i);
        const float y =
            whole.y1 + (whole.y2 - whole.y1) * (l->x2 - whole.x1) / (whole.x2 - whole.x1);
        EXPECT_NEAR(l->y2, y, 0.5) << i;
    }
    // The central and the parallel ray from the candle's tip meet only at a real image.
    EXPECT_GT(std::fabs(ray(d, 0)->y2 - ray(d, 2)->y2), 10);

    // The candle's tip is above the axis: the parallel ray meets the upper half.
    const Drawing upper = seen(w, screen_at(6, true, false));
    EXPECT_EQ(ray(upper, 2), nullptr);
    EXPECT_EQ(ray(upper, 1)->x2, b.lensx);
    EXPECT_NEAR(ray(upper, 0)->x2, screen, 0.5) << "through the centre, past the cover";
    const Drawing lower = seen(w, screen_at(6, false, true));
    ASSERT_NE(ray(lower, 2), nullptr);
    EXPECT_NEAR(ray(lower, 2)->x2, screen, 0.5);
    const Drawing both = seen(w, screen_at(6, true, true));
    EXPECT_EQ(ray(both, 2), nullptr);
    for (int i : {0, 1, 3}) EXPECT_NEAR(ray(both, i)->x2, b.lensx, 0.5) << i;

    // The covers: a card over each covered half of the lens, above the lens in the stacking.
    const Item& lens = w[ids::lens];
    std::vector<Box> covers;
    std::size_t lens_at = 0;
    for (std::size_t i = 0; i < both.size(); ++i) {
        if (item_of(both[i]) == ids::lens) lens_at = i;
        const auto* s = std::get_if<Shape>(&both[i]);
        if (s && s->item == -1) {
            EXPECT_GT(i, lens_at);
            covers.push_back(s->box);
        }
    }
    ASSERT_EQ(covers.size(), 2u);
    for (const Box& c : covers) {
        EXPECT_LE(c.left, lens.left);
        EXPECT_GE(c.left + c.width, lens.left + lens.width);
        if (c.top < b.axisy) {
            EXPECT_LE(c.top, lens.top);
            EXPECT_NEAR(c.top + c.height, b.axisy, 0.5);
        } else {
            EXPECT_NEAR(c.top, b.axisy, 0.5);
            EXPECT_GE(c.top + c.height, lens.top + lens.height);
        }
    }
}

// A real image 8 squares right, and a virtual one.
INSTANTIATE_TEST_SUITE_P(Experiment, ExperimentDrawing, testing::Values(8.0f, 2.0f));

// --- The pixels in an SVG ----------------------------------------------------------------------

TEST(Png, ChecksumsAndDigitsAreTheStandardOnes) {
    EXPECT_EQ(crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(crc32(""), 0u);
    EXPECT_EQ(adler32("Wikipedia"), 0x11E60398u);
    EXPECT_EQ(adler32(std::string(100000, '\xFF')), 0x149A302Cu);
    EXPECT_EQ(base64("Man"), "TWFu");
    EXPECT_EQ(base64("Ma"), "TWE=");
    EXPECT_EQ(base64("M"), "TQ==");
    EXPECT_EQ(base64("\xFB\xFF"), "+/8=");
}

std::string read_all(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Python's zlib reads the PNG: its chunks' CRCs, its stream (more than one stored block), and
// the pixels, which must be the raster's.
TEST(Png, AnSvgsRasterIsAPngThatDecodesToTheSamePixels) {
    auto pixels = std::make_shared<Rgba>();
    pixels->width = 211;
    pixels->height = 97;  // 81,964 bytes of rows: two stored blocks
    for (int i = 0; i < pixels->width * pixels->height * 4; ++i) {
        pixels->bytes.push_back(static_cast<std::uint8_t>(i * 7 + i / 811));
    }
    const Drawing d{FilledRect{{0, 0, 3000, 1500}, 0x404040},
                    Raster{-1, {150, 300, 1500, 900}, pixels}};
    const SvgLook look{[](std::string_view t) { return std::string(t); },
                       [](const Text&) { return SvgLook::Face{}; },
                       [](std::string_view, bool) -> const std::string& {
                           static const std::string none;
                           return none;
                       }};
    const std::string svg = drawing_svg(d, 200, 100, look, "t", "d");
    const std::string head = "<image x=\"10\" y=\"20\" width=\"100\" height=\"60\"";
    ASSERT_NE(svg.find(head), std::string::npos) << svg.substr(0, 600);
    const std::string scheme = "data:image/png;base64,";
    const auto from = svg.find(scheme) + scheme.size();
    const std::string encoded = svg.substr(from, svg.find('"', from) - from);

    const std::string dir = testing::TempDir();
    const std::string in = dir + "korru_raster.b64", out = dir + "korru_raster.rgba";
    std::ofstream(in) << encoded;
    const std::string script =
        "import base64,struct,sys,zlib\n"
        "p=base64.b64decode(open(sys.argv[1]).read(),validate=True)\n"
        "assert p[:8]==b'\\x89PNG\\r\\n\\x1a\\n'\n"
        "i=8;idat=b'';w=h=0\n"
        "while i<len(p):\n"
        " n,=struct.unpack('>I',p[i:i+4]);t=p[i+4:i+8];c=p[i+8:i+8+n]\n"
        " assert struct.unpack('>I',p[i+8+n:i+12+n])[0]==zlib.crc32(t+c),t\n"
        " if t==b'IHDR':w,h,depth,kind=struct.unpack('>IIBB',c[:10]);assert (depth,kind)==(8,6)\n"
        " if t==b'IDAT':idat+=c\n"
        " i+=12+n\n"
        "raw=zlib.decompress(idat);s=w*4+1;assert len(raw)==s*h\n"
        "assert all(raw[r*s]==0 for r in range(h))\n"
        "open(sys.argv[2],'wb').write(b''.join(raw[r*s+1:(r+1)*s] for r in range(h)))\n";
    const std::string py = dir + "korru_raster.py";
    std::ofstream(py) << script;
    const std::string command = "/usr/bin/python3 " + py + " " + in + " " + out;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::string decoded = read_all(out);
    EXPECT_TRUE(decoded == std::string(pixels->bytes.begin(), pixels->bytes.end()))
        << decoded.size() << " bytes";
}

}  // namespace
}  // namespace korru
