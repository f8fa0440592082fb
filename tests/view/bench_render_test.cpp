// SPDX-License-Identifier: MIT
// The bench as painted: each item alone lands in its box in its own colours; the real bench
// widget shows axis, lens, flame, screen, grid and rays where the model puts them, before and
// after clicks; lines and outlines stay whole device pixels at device pixel ratios 1 to 3, and
// every line of a kind one width at fractional ratios too.
#include <QPainter>
#include <QScreen>
#include <set>

#include "support.h"
#include "view/bench_painter.h"

namespace korru {
namespace {

using test::pixel_of;
using test::rgb_at;

constexpr QRgb kBench = 0x404040, kWhite = 0xFFFFFF, kLensFill = 0xC0FFFF, kScreen = 0xE0E0E0,
               kScreenEdge = 0xC0C0FF, kGrid = 0xC0C0C0, kRay = 0xFFFF80, kTooltip = 0xFFFFE1,
               kFlame = 0xFF0000;

QImage paint(const Window& w, int dpr = 1) {
    QImage image(view::bench_size(w) * dpr, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::black);
    QPainter p(&image);
    view::paint_bench(p, w);
    return image;
}

std::vector<int> bench_items() {
    std::vector<int> ids;
    for (std::size_t i = 0; i < kItemCount; ++i) {
        if (kItems[i].container == "work") ids.push_back(static_cast<int>(i));
    }
    return ids;
}

// The pixels an item may cover: its box, or the box between a line's ends, with a pixel more
// each way for a slanting line, whose rasterization may shift its ends by one.
QRect reach(const Item& it, Kind kind) {
    if (kind != Kind::line) {
        return {QPoint(pixel_of(it.left), pixel_of(it.top)),
                QPoint(pixel_of(double(it.left) + it.width) - 1,
                       pixel_of(double(it.top) + it.height) - 1)};
    }
    const QRect ends =
        QRect(QPoint(pixel_of(it.x1), pixel_of(it.y1)), QPoint(pixel_of(it.x2), pixel_of(it.y2)))
            .normalized();
    return ends.width() > 1 && ends.height() > 1 ? ends.adjusted(-1, -1, 1, 1) : ends;
}

class BenchItemAlone : public testing::TestWithParam<int> {};

TEST_P(BenchItemAlone, IsPaintedInsideItsBoxInItsColours) {
    Window model = test::started();
    const ItemDef& def = kItems[static_cast<std::size_t>(GetParam())];
    for (int other : bench_items()) model[other].visible = other == GetParam();
    const QImage image = paint(model);
    const QRect box = reach(model[GetParam()], def.kind);
    std::set<QRgb> inside;
    int outside = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = rgb_at(image, {x, y});
            if (c != kBench && box.contains(x, y)) inside.insert(c);
            outside += c != kBench && !box.contains(x, y);
        }
    }
    EXPECT_FALSE(inside.empty()) << "nothing painted";
    EXPECT_EQ(outside, 0) << "painted outside its box";
    const QRgb fore = def.look.fore, back = def.look.back;
    if (def.kind == Kind::line) {
        EXPECT_EQ(inside, std::set<QRgb>{fore});
    }
    if (def.kind == Kind::shape) {
        EXPECT_EQ(inside, (std::set<QRgb>{fore, back}));
        EXPECT_EQ(rgb_at(image, box.center()), back);
        EXPECT_EQ(rgb_at(image, {box.left(), box.center().y()}), fore);
    }
    if (def.kind == Kind::label) {  // antialiased text: its strongest pixel is near the colour
        int nearest = 255;
        for (QRgb c : inside) {
            nearest = std::min(nearest, std::max({std::abs(qRed(c) - qRed(fore)),
                                                  std::abs(qGreen(c) - qGreen(fore)),
                                                  std::abs(qBlue(c) - qBlue(fore))}));
        }
        EXPECT_LE(nearest, 48);
    }
    if (def.kind == Kind::picture) {
        // The flame is at the top of the upright candle and at the bottom of the turned one.
        const int row =
            def.look.turned ? box.bottom() - box.height() / 8 : box.top() + box.height() / 8;
        bool flame = false;
        for (int x = box.left(); x <= box.right(); ++x) flame |= rgb_at(image, {x, row}) == kFlame;
        EXPECT_TRUE(flame) << "no flame in row " << row;
        EXPECT_TRUE(inside.contains(kWhite)) << "no candle body";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryBenchItem, BenchItemAlone, testing::ValuesIn(bench_items()),
                         [](const auto& info) {
                             return test::test_name(item_label(kItems[info.param]));
                         });

struct Lesson {
    const char* name;
    std::vector<std::pair<Click, int>> clicks;  // each click and how often
};

void PrintTo(const Lesson& l, std::ostream* os) {
    *os << l.name;
}

class BenchWidget : public test::ViewTest, public testing::WithParamInterface<Lesson> {};

// Pixels of the bench as the window shows it, at positions worked out from the model, after the
// lesson's clicks on the real widgets. Each spot is chosen clear of the other items.
TEST_P(BenchWidget, ShowsTheModelsItemsWhereTheModelPutsThem) {
    for (const auto& [c, n] : GetParam().clicks) {
        for (int i = 0; i < n; ++i) QTest::mouseClick(widget(click_target(c)), Qt::LeftButton);
    }
    // What the window shows, after the repaints the clicks asked for.
    QApplication::processEvents();
    const QWidget* bench = widget("work");
    const QImage image = view->screen()->grabWindow(view->winId()).toImage();
    const QRect surface(bench->mapTo(view.get(), bench->contentsRect().topLeft()),
                        bench->contentsRect().size());
    const QPoint origin = surface.topLeft();
    const auto at = [&](double x, double y) { return origin + QPoint(pixel_of(x), pixel_of(y)); };
    const BenchState& b = model.bench;
    const double u = b.unit;

    // The ray through the lens centre, on top of everything, lies on the axis while slift is 0.
    const bool ray_on_axis = model.ray(3).visible && model.ray(3).y1 == b.axisy;
    EXPECT_EQ(rgb_at(image, at(b.lensx - 10.5 * u, b.axisy)), ray_on_axis ? kTooltip : kWhite);
    EXPECT_EQ(rgb_at(image, at(b.lensx, b.axisy) + QPoint(-3, 2)), kLensFill) << "lens";

    const Item& source = model.source();
    bool flame = false;
    for (int y = pixel_of(source.top); y < pixel_of(source.top + source.height * 15 / 39); ++y) {
        for (int x = pixel_of(source.left); x < pixel_of(double(source.left) + source.width); ++x) {
            flame |= rgb_at(image, origin + QPoint(x, y)) == kFlame;
        }
    }
    EXPECT_TRUE(flame) << "flame of the source";

    // Between two grid lines in the lower half of the screen, away from the image and label,
    // unless a ray may cross it or the screen stands off the bench.
    const Item& screen = model.screen_card();
    const double gap = std::ceil((screen.left - b.lensx) / u) + 0.5;
    const QPoint on_screen = at(b.lensx + gap * u, b.axisy + 2.5 * u);
    if (!model.ray(0).visible && surface.contains(on_screen)) {
        EXPECT_EQ(rgb_at(image, on_screen) == kScreen, screen.visible) << "screen";
    }

    const QRgb grid = rgb_at(image, at(b.lensx + 15.5 * u, model.grid_above(3).y1));
    EXPECT_EQ(grid, model.grid_above(3).visible ? kGrid : kBench) << "grid";
    const QRgb ray = rgb_at(image, at(b.lensx - 2.5 * u, source.top));
    EXPECT_EQ(ray == kRay, model.ray(1).visible) << "ray rl(1)";
}

INSTANTIATE_TEST_SUITE_P(
    Lessons, BenchWidget,
    testing::Values(
        Lesson{"start", {}}, Lesson{"moved", {{Click::ml, 4}, {Click::mu, 3}}},
        Lesson{"overlays", {{Click::kosen, 1}, {Click::hogan, 1}, {Click::syoten, 1}}},
        Lesson{"overlays_off", {{Click::kosen, 2}, {Click::hogan, 2}, {Click::syoten, 2}}},
        Lesson{"long_focus", {{Click::fmove_long, 1}, {Click::kosen, 1}}},
        Lesson{"no_screen", {{Click::sukurin, 1}, {Click::hogan, 1}, {Click::ml, 2}}},
        Lesson{"virtual_image", {{Click::smove_large, 1}, {Click::mr, 25}, {Click::kosen, 1}}},
        Lesson{"no_image", {{Click::smove_large, 1}, {Click::mr, 24}, {Click::hogan, 1}}}),
    [](const auto& info) { return std::string(info.param.name); });

class Crisp : public testing::TestWithParam<int> {};

TEST_P(Crisp, LinesAndOutlinesCoverWholeDevicePixels) {
    const int d = GetParam();
    Window model = test::started();
    const BenchState& b = model.bench;
    const double u = b.unit;
    const QImage image = paint(model, d);
    const auto device = [d](double twips) { return pixel_of(twips) * d; };

    // The axis: exactly d white rows, the bench above and below.
    const int ax = device(b.lensx - 10.5 * u), ay = device(b.axisy);
    EXPECT_EQ(rgb_at(image, {ax, ay - 1}), kBench);
    for (int i = 0; i < d; ++i) EXPECT_EQ(rgb_at(image, {ax, ay + i}), kWhite);
    EXPECT_EQ(rgb_at(image, {ax, ay + d}), kBench);

    // Across the bench above the lens: bench, and d columns of the white lens line.
    int white = 0;
    for (int x = 0, y = device(b.axisy - 8.5 * u); x < image.width(); ++x) {
        const QRgb c = rgb_at(image, {x, y});
        EXPECT_TRUE(c == kBench || c == kWhite) << "blended pixel at " << x;
        white += c == kWhite;
    }
    EXPECT_EQ(white, d);

    // Across the lens outline below the axis: no colour but its own, the line's and the bench's.
    for (int x = device(b.lensx - u), y = device(b.axisy + 2.5 * u); x < device(b.lensx + u); ++x) {
        const QRgb c = rgb_at(image, {x, y});
        EXPECT_TRUE(c == kBench || c == kWhite || c == kLensFill || c == 0) << "at " << x;
    }

    // The screen's left edge: d columns of outline between the bench and the fill.
    const int sx = device(model.screen_card().left), sy = device(model.screen_card().top + 2.5 * u);
    EXPECT_EQ(rgb_at(image, {sx - 1, sy}), kBench);
    for (int i = 0; i < d; ++i) EXPECT_EQ(rgb_at(image, {sx + i, sy}), kScreenEdge);
    EXPECT_EQ(rgb_at(image, {sx + d, sy}), kScreen);
}

INSTANTIATE_TEST_SUITE_P(DevicePixelRatios, Crisp, testing::Values(1, 2, 3));

class OneWidth : public test::ViewTest, public testing::WithParamInterface<double> {};

// The bench widget with everything shown, rendered at whole and fractional device pixel ratios:
// along a row and a column every grid line, the lens line, the axis (under the ray along it) and
// each side of the screen is one pixel's worth of whole device pixels wide, at least one.
TEST_P(OneWidth, EveryLevelOrUprightLineIsOneWidthAtAnyRatio) {
    for (Click c : {Click::kosen, Click::syoten, Click::hogan}) {
        QTest::mouseClick(widget(click_target(c)), Qt::LeftButton);
    }
    const double r = GetParam();
    QWidget* bench = widget("work");
    QImage image((QSizeF(bench->size()) * r).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(r);
    image.fill(Qt::black);
    bench->render(&image);
    const auto device = [&](double x, double y) {
        return (bench->contentsRect().topLeft() + QPoint(pixel_of(x), pixel_of(y))) * r;
    };
    // The widths of the runs of `colour` along a row or a column from `p` on, or of the one run
    // that starts within a pixel of `near` (an x along a row, a y down a column).
    const auto widths = [&](QPoint p, QPoint along, QRgb colour, int near = -1) {
        std::vector<int> found;
        for (int start = 0, run = 0; image.rect().contains(p - along); p += along) {
            if (image.rect().contains(p) && rgb_at(image, p) == colour) {
                if (run++ == 0) start = QPoint::dotProduct(p, along);
            } else if (const int n = std::exchange(run, 0);
                       n > 0 && (near < 0 || std::abs(start - near) <= 1)) {
                found.push_back(n);
            }
        }
        return found;
    };
    const auto all = [w = std::max(1, static_cast<int>(std::lround(r)))](std::size_t n) {
        return std::vector<int>(n, w);
    };
    const BenchState& b = model.bench;
    const Item& screen = model.screen_card();
    const QPoint row = device(0, b.axisy - 8.5 * b.unit),
                 column = device(b.lensx + 19.5 * b.unit, 0);
    EXPECT_EQ(widths(row, {1, 0}, kGrid), all(38)) << "upright grid lines";
    EXPECT_EQ(widths(row, {1, 0}, kWhite, device(b.lensx, 0).x()), all(1)) << "lens line";
    EXPECT_EQ(widths(column, {0, 1}, kGrid), all(18)) << "level grid lines";
    EXPECT_EQ(widths(column, {0, 1}, kTooltip, device(0, b.axisy).y()), all(1)) << "axis";
    EXPECT_EQ(widths(device(0, screen.top + screen.height / 2), {1, 0}, kScreenEdge), all(2))
        << "the screen's sides";
    EXPECT_EQ(widths(device(screen.left + screen.width / 4, 0), {0, 1}, kScreenEdge), all(1))
        << "the screen's bottom";
}

INSTANTIATE_TEST_SUITE_P(DevicePixelRatios, OneWidth, testing::Values(1.0, 1.25, 1.5, 1.75, 2.0),
                         [](const auto& info) {
                             return "x" + std::to_string(std::lround(info.param * 100));
                         });

}  // namespace
}  // namespace korru
