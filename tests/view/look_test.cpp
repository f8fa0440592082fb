// SPDX-License-Identifier: MIT
// The projector's look as the desktop paints it, measured from the painted pixels: every text's
// contrast against what lies behind it, the capitals' height against the bench's, the lines'
// widths, the real image's outline on the screen card; and the window's own look, whose
// pictures are smooth only where its pixels would show as blocks.
#include "bench/look.h"

#include <QPainter>
#include <algorithm>
#include <map>
#include <set>

#include "bench/pictures.h"
#include "support.h"
#include "view/bench_painter.h"
#include "view/look.h"

namespace korru::test {
namespace {

Rgb rgb(QRgb c) {
    return static_cast<Rgb>(c & 0xFFFFFFu);
}

QImage painted(const Drawing& d, const Window& w) {
    QImage image(view::bench_size(w), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    view::paint_drawing(p, d);
    return image;
}

QRect on_image(const Box& b, const QImage& image) {
    return QRect(pixel_of(b.left), pixel_of(b.top), pixel_of(b.left + b.width) - pixel_of(b.left),
                 pixel_of(b.top + b.height) - pixel_of(b.top))
        .intersected(image.rect());
}

// A text's letters (where the text alone paints them) and what lies right behind them in the
// whole picture: the pixels a little way out from the letters, past the edge the font's smoothing
// blends, at least `from` and at most `to` pixels from the nearest letter. The contrast is the
// least between the letters' colour and any of those.
struct Ink {
    QRect letters;
    double contrast = 21;
    Rgb worst = 0;  // what lies behind with the least contrast
};

Ink ink_in(const QImage& image, const Text& text, int from, int to) {
    Text alone = text;
    alone.halo = 0;
    QImage mask(image.size(), QImage::Format_ARGB32);
    mask.fill(Qt::transparent);
    {
        QPainter p(&mask);
        view::paint_drawing(p, Drawing{alone});
    }
    const auto letter = [&](int x, int y) {
        return mask.rect().contains(x, y) && qAlpha(mask.pixel(x, y)) > 128;
    };
    Ink ink;
    const QRect box = on_image(text.box, image).adjusted(-to, -to, to, to) & image.rect();
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            if (letter(x, y)) ink.letters |= QRect(x, y, 1, 1);
            double nearest = to + 1;
            for (int dy = -to; dy <= to; ++dy) {
                for (int dx = -to; dx <= to; ++dx) {
                    const double d = std::hypot(dx, dy);
                    if (d < nearest && letter(x + dx, y + dy)) nearest = d;
                }
            }
            if (nearest < from || nearest > to) continue;
            const Rgb behind = rgb(image.pixel(x, y));
            const double c = contrast_ratio(text.colour, behind);
            if (c < ink.contrast) ink.contrast = c, ink.worst = behind;
        }
    }
    return ink;
}

struct Screen {
    int width, height;
};

void PrintTo(const Screen& s, std::ostream* os) {
    *os << s.width << "x" << s.height;
}

class PaintedProjectorLook : public testing::TestWithParam<Screen> {
  protected:
    void SetUp() override { view::use_language(QLocale::English); }
    void TearDown() override { view::use_language(QLocale::Japanese); }
};

TEST_P(PaintedProjectorLook, ReadsFromTheBackOfTheRoom) {
    Window w;
    Session s(w, view::translated_utf8);
    s.start_scene(ScreenSize::from_pixels(GetParam().width, GetParam().height),
                  "projector.kosen.syoten");
    s.act(LessonAction::predict);
    const BenchPoint mark{w.bench.lensx + 7 * w.bench.unit, w.bench.axisy + 3 * w.bench.unit};
    s.put_mark(mark);
    s.act(LessonAction::show_answer);
    const Drawing d = s.bench_drawing();
    const QImage image = painted(d, w);
    const int bench_px = image.height();
    const ProjectorSizes sizes = projector_sizes(bench_px);

    // Every text, the labels and the prediction's words.
    int texts = 0;
    for (const Primitive& p : d) {
        const auto* t = std::get_if<Text>(&p);
        if (!t) continue;
        ++texts;
        const Ink ink = ink_in(image, *t, 2, t->halo - 2);
        ASSERT_FALSE(ink.letters.isEmpty()) << view::translated_utf8(t->text);
        EXPECT_GE(ink.contrast, kTextContrast)
            << view::translated_utf8(t->text) << " on #" << std::hex << ink.worst;
        if (t->item == Window::ids::focal_labels[0]) {
            // "F": its ink is a capital's height.
            EXPECT_GE(ink.letters.height() * 40, bench_px)
                << "the capital F is " << ink.letters.height();
        }
    }
    EXPECT_GE(texts, 5);

    // The axis, left of the candle (a ray along it), and the ray from the candle's tip parallel
    // to it: as wide as the look asks.
    const int axis_y = pixel_of(w.axis().y1);
    const int left = pixel_of(w.source().left) - pixel_of(2 * w.bench.unit);
    const auto run = [&](int x, int y) {
        const Rgb colour = rgb(image.pixel(x, y));
        int top = y, bottom = y;
        while (top > 0 && rgb(image.pixel(x, top - 1)) == colour) --top;
        while (bottom + 1 < image.height() && rgb(image.pixel(x, bottom + 1)) == colour) ++bottom;
        return colour == kItems[Window::ids::bench_area].look.back ? 0 : bottom - top + 1;
    };
    EXPECT_EQ(run(left, axis_y), sizes.line) << "the axis";
    const Item& ray = w.ray(1);
    ASSERT_EQ(pixel_of(ray.y1), pixel_of(ray.y2));
    EXPECT_EQ(run(pixel_of((ray.x1 + ray.x2) / 2), pixel_of(ray.y1)), sizes.line) << "a ray";
    // An arm of the mark's cross, below and right of where the arms meet, across it.
    const int arm = pixel_of(45);
    int across = 0;
    for (int x = pixel_of(mark.x) - 2 * arm; x <= pixel_of(mark.x) + 2 * arm; ++x) {
        across += rgb(image.pixel(x, pixel_of(mark.y) + arm)) == 0x80FF80;
    }
    EXPECT_GE(across, 2 * 2) << "the mark: both arms at least two pixels";

    // The real image on the light screen card, outlined: across its body's middle row the
    // darkest pixel stands out from the card.
    const Item& img = w.real_image();
    const Rgb card = kItems[Window::ids::screen_card].look.back;
    const int y = pixel_of(img.top + img.height / 3);
    double outline = 1;
    for (int x = pixel_of(img.left) - 2; x <= pixel_of(img.left + img.width) + 2; ++x) {
        outline = std::max(outline, contrast_ratio(rgb(image.pixel(x, y)), card));
    }
    EXPECT_EQ(rgb(image.pixel(pixel_of(img.left) - 3, y)), card);
    EXPECT_GE(outline, kOutlineContrast);
}

INSTANTIATE_TEST_SUITE_P(Screens, PaintedProjectorLook,
                         testing::Values(Screen{1366, 768}, Screen{1920, 1080}, Screen{3840, 2160}),
                         [](const testing::TestParamInfo<Screen>& info) {
                             return std::to_string(info.param.width) + "x" +
                                    std::to_string(info.param.height);
                         });

// The colours the candle is painted in: no more than its grid's where it is stretched pixel by
// pixel, many where smoothly.
std::size_t candle_colours(int width, int height) {
    Window w;
    Session s(w, view::translated_utf8);
    s.start(ScreenSize::from_pixels(width, height));
    const QImage image = painted(s.bench_drawing(), w);
    const QRect box =
        on_image({w.source().left, w.source().top, w.source().width, w.source().height}, image);
    std::set<Rgb> colours;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) colours.insert(rgb(image.pixel(x, y)));
    }
    return colours.size();
}

TEST(WindowLook, KeepsItsPicturesButWhereTheyWouldShowBlocks) {
    // The candle's grid: nine colours and the clear one, which shows the bench.
    EXPECT_LE(candle_colours(1366, 768), 10u);
    EXPECT_LE(candle_colours(1920, 1080), 10u);
    EXPECT_GT(candle_colours(3840, 2160), 40u);
}

}  // namespace
}  // namespace korru::test
