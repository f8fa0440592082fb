// SPDX-License-Identifier: MIT
// First the picture as it lands sharp, on a grid of raster pixels wider than the raster by the
// blur: each pixel the average of the picture's cells over it, found separably (a row's share of
// each cell row, a column's share of each cell column). Then the blur: the aperture's image cut
// into bands one raster row high; a band gathers, for every pixel of a row, a stretch of one row
// of the sharp picture, read from that row's running sums to the fraction of a pixel at both
// ends. The ends fall at the same fractions for every pixel of a row, so a band adds three scaled
// differences of running sums to the whole row. Colours are summed multiplied by their alpha, and
// divided out at the end. Beyond arithmetic only sqrt, floor and ceil are called, which are exact,
// so every build gives the same pixels.
#include "lesson/screen_light.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace korru {

namespace {

// The most work for one picture, in pixels of a band gathered; past it the raster is coarser, so
// that a move of the screen repaints in a few milliseconds whatever the light does. A band costs
// as much again as this many pixels.
constexpr double kBudget = 50'000, kBandCost = 8;

// The densest screen the pixels are worked out for, in device pixels to a pixel.
constexpr double kMostRatio = 8;

// For each of `n` pixels `size` twips long from `from`, the share of it each of `cells` cells
// covers, the cells lying `cell` twips each from `start` and numbered backwards (the picture is
// turned); [first, last] the cells a pixel meets.
struct Shares {
    int cells = 0;
    std::vector<int> first, last;
    std::vector<float> share;  // pixel by pixel, cell by cell

    Shares(double from, double size, int n, double start, double cell, int count)
        : cells(count),
          first(static_cast<std::size_t>(n), 0),
          last(static_cast<std::size_t>(n), -1),
          share(static_cast<std::size_t>(n) * static_cast<std::size_t>(count), 0.0f) {
        for (int p = 0; p < n; ++p) {
            const double lo = from + p * size, hi = lo + size;
            const auto index = [&](double x) {
                return static_cast<int>(
                    std::floor(std::clamp((x - start) / cell, -1.0, 1.0 * count)));
            };
            const int c0 = std::max(0, index(lo)), c1 = std::min(count - 1, index(hi));
            for (int c = c0; c <= c1; ++c) {
                const double overlap =
                    std::min(hi, start + (c + 1) * cell) - std::max(lo, start + c * cell);
                if (overlap <= 0) continue;
                const int turned = count - 1 - c;
                at(p, turned) = static_cast<float>(overlap / size);
                auto& f = first[static_cast<std::size_t>(p)];
                auto& l = last[static_cast<std::size_t>(p)];
                if (l < f) f = l = turned;
                f = std::min(f, turned);
                l = std::max(l, turned);
            }
        }
    }

    float& at(int p, int c) {
        return share[static_cast<std::size_t>(p) * static_cast<std::size_t>(cells) +
                     static_cast<std::size_t>(c)];
    }
};

// One band of the blur: the row it reads from, and the stretch of it it gathers for a pixel, in
// running sums relative to the pixel's own column: the whole pixels from `first` + 1 to `last`,
// and shares of the pixels `first` and `last` at its ends. Every term is a difference of running
// sums, so that where no light is the band gathers exactly none.
struct Band {
    int dy;                                // the source row lies dy rows above the pixel's
    int first, last;                       // pixels, from the pixel's own
    float whole, first_share, last_share;  // weights
};

// The bands of the aperture's image, `rx` by `ry` raster pixels about its centre, downward
// from `top` to `bottom` (in raster rows from the centre), each weighted by the share of the
// light it holds.
std::vector<Band> bands(double rx, double ry, double top, double bottom) {
    struct Stretch {
        int dy;
        double height, half;  // raster pixels
    };
    std::vector<Stretch> stretches;
    double area = 0;
    if (ry < 1e-6) {
        stretches.push_back({0, 1, 0.5});
        area = 1;
    }
    for (int dy = static_cast<int>(std::floor(top + 0.5));
         ry >= 1e-6 && dy <= static_cast<int>(std::ceil(bottom - 0.5)); ++dy) {
        const double lo = std::max(dy - 0.5, top), hi = std::min(dy + 0.5, bottom);
        if (hi <= lo) continue;
        // The band's share of the ellipse, by the midpoint rule; then the stretch of one row
        // that holds as much, at least a pixel wide.
        constexpr int kSamples = 8;
        double width = 0;
        for (int k = 0; k < kSamples; ++k) {
            const double v = (lo + (hi - lo) * (k + 0.5) / kSamples) / ry;
            width += 2 * rx * std::sqrt(std::max(0.0, 1 - v * v));
        }
        const double half = std::max(width / kSamples / 2, 0.5);
        stretches.push_back({dy, hi - lo, half});
        area += 2 * half * (hi - lo);
    }
    std::vector<Band> out;
    for (const Stretch& s : stretches) {
        // The integral over [centre - half, centre + half] of the row, the centre half a pixel
        // into the pixel: running sums read between whole pixels, to the fraction.
        const double lo = 0.5 - s.half, hi = 0.5 + s.half;
        const double pl = std::floor(lo), ph = std::floor(hi);  // apart, as half >= 0.5
        const double fl = lo - pl, fh = hi - ph;
        const double w = s.height / area;
        const Band b{s.dy,
                     static_cast<int>(pl),
                     static_cast<int>(ph),
                     static_cast<float>(w),
                     static_cast<float>(w * (1 - fl)),
                     static_cast<float>(w * fh)};
        out.push_back(b);
    }
    return out;
}

int floor_pixel(double twips) {
    return static_cast<int>(std::floor(std::clamp(twips / kTwipsPerPixel, -1e7, 1e7)));
}

int ceil_pixel(double twips) {
    return static_cast<int>(std::ceil(std::clamp(twips / kTwipsPerPixel, -1e7, 1e7)));
}

}  // namespace

std::optional<Raster> screen_light(const Throw& t, const Rgba& picture, double ratio, int item) {
    if (t.open == Aperture::none || picture.width <= 0 || picture.height <= 0) return std::nullopt;
    if (!(t.image.width > 0 && t.image.height > 0 && ratio > 0)) return std::nullopt;
    // Past this a face stretches the pixels further; it bounds the device pixels worked out.
    ratio = std::min(ratio, kMostRatio);
    const double radius = std::fabs(static_cast<double>(t.diameter) * t.spread) / 2;  // twips

    // The card's pixels that light can reach: the sharp picture and the blur about it.
    const PixelBox card = pixel_box(t.card);
    const int left = std::max(card.left, floor_pixel(t.image.left - radius)),
              top = std::max(card.top, floor_pixel(t.image.top - radius)),
              right = std::min(card.left + card.width,
                               ceil_pixel(double{t.image.left} + t.image.width + radius)),
              bottom = std::min(card.top + card.height,
                                ceil_pixel(double{t.image.top} + t.image.height + radius));
    if (right <= left || bottom <= top) return std::nullopt;
    const PixelBox lit{left, top, right - left, bottom - top};
    const PixelBox device = device_box(lit, ratio);
    if (device.width <= 0 || device.height <= 0) return std::nullopt;

    // Raster pixels of `step` device pixels: as few as keep the blur within kBlurPixels and the
    // work (a band of each row, and a pixel of each band's row) within the budget, but two across
    // at least, as a painter stretches a raster of one slowly.
    const double blur = 2 * radius * ratio / kTwipsPerPixel;  // device pixels
    const auto work = [&](int s) {
        return (device.height / s + 1.0) * (blur / s + 1) * (device.width / s + kBandCost);
    };
    const int coarsest = std::max(1, std::min(device.width, device.height) / 2);
    int step = std::min(coarsest, std::max(1, static_cast<int>(std::ceil(blur / kBlurPixels))));
    while (step < coarsest && work(step) > kBudget) ++step;
    const int width = (device.width + step - 1) / step, height = (device.height + step - 1) / step;
    const double twips_per_device = kTwipsPerPixel / ratio;
    const double dx = device.width * twips_per_device / width,
                 dy = device.height * twips_per_device / height;
    const double rx = radius / dx, ry = radius / dy;

    // Which way the open part of the aperture lies about each point: a half spreads downward
    // from the point where it is the lower half upright or the upper half turned over.
    double above = ry, below = ry;
    if (t.open != Aperture::whole) {
        const bool down = (t.open == Aperture::lower_half) == (t.spread > 0);
        (down ? above : below) = 0;
    }
    const std::vector<Band> blur_bands = bands(rx, ry, -above, below);

    // The sharp picture on the wider grid, as running sums along each row.
    const int mx = static_cast<int>(std::ceil(std::max(rx, 0.5))) + 1,
              my = static_cast<int>(std::ceil(ry)) + 1;
    const int wide = width + 2 * mx, tall = height + 2 * my;
    const double x0 = device.left * twips_per_device - mx * dx,
                 y0 = device.top * twips_per_device - my * dy;
    const Shares columns(x0, dx, wide, t.image.left, double{t.image.width} / picture.width,
                         picture.width);
    const Shares rows(y0, dy, tall, t.image.top, double{t.image.height} / picture.height,
                      picture.height);
    const auto pw = static_cast<std::size_t>(picture.width);
    const std::size_t stride = (static_cast<std::size_t>(wide) + 1) * 4;
    std::vector<float> sums(static_cast<std::size_t>(tall) * stride, 0.0f);
    std::vector<char> lit_row(static_cast<std::size_t>(tall), 0);
    std::vector<float> mixed(pw * 4);
    const auto ph = static_cast<std::size_t>(picture.height);
    for (int f = 0; f < tall; ++f) {
        const auto fs = static_cast<std::size_t>(f);
        const int first = rows.first[fs], last = rows.last[fs];
        if (last < first) continue;
        lit_row[fs] = 1;
        float* row = &sums[fs * stride];
        // Most rows lie inside one row of cells, as the one before: the same sums.
        if (f > 0 && lit_row[fs - 1] && rows.first[fs - 1] == first && rows.last[fs - 1] == last &&
            std::equal(&rows.share[fs * ph + static_cast<std::size_t>(first)],
                       &rows.share[fs * ph + static_cast<std::size_t>(last)] + 1,
                       &rows.share[(fs - 1) * ph + static_cast<std::size_t>(first)])) {
            std::copy_n(row - stride, stride, row);
            continue;
        }
        // The row's mixture of the cell rows, column by column, alpha multiplied in.
        std::fill(mixed.begin(), mixed.end(), 0.0f);
        for (int r = first; r <= last; ++r) {
            const float share = rows.share[fs * ph + static_cast<std::size_t>(r)];
            const std::uint8_t* px = &picture.bytes[static_cast<std::size_t>(r) * pw * 4];
            for (std::size_t q = 0; q < pw * 4; q += 4) {
                const float a = share * static_cast<float>(px[q + 3]) / 255;
                for (std::size_t k = 0; k < 3; ++k) mixed[q + k] += a * px[q + k] / 255;
                mixed[q + 3] += a;
            }
        }
        for (std::size_t e = 0; e < static_cast<std::size_t>(wide); ++e) {
            float p[4] = {0, 0, 0, 0};
            for (int c = columns.first[e]; c <= columns.last[e]; ++c) {
                const float share = columns.share[e * pw + static_cast<std::size_t>(c)];
                const float* m = &mixed[static_cast<std::size_t>(c) * 4];
                for (std::size_t k = 0; k < 4; ++k) p[k] += share * m[k];
            }
            for (std::size_t k = 0; k < 4; ++k) row[(e + 1) * 4 + k] = row[e * 4 + k] + p[k];
        }
    }

    // The blur, row by row; then the colours with their alpha divided out.
    const float open = t.open == Aperture::whole ? 1.0f : 0.5f;
    auto pixels = std::make_shared<Rgba>();
    pixels->width = width;
    pixels->height = height;
    pixels->bytes.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4, 0);
    const std::size_t n = static_cast<std::size_t>(width) * 4;
    std::vector<float> sum(n);
    float* const acc = sum.data();
    // Adds weight * (to - from) to the row; nothing where the two are one.
    const auto gather = [&](float weight, const float* from, const float* to) {
        if (weight == 0 || from == to) return;
        for (std::size_t q = 0; q < n; ++q) acc[q] += weight * (to[q] - from[q]);
    };
    bool any = false;
    for (int j = 0; j < height; ++j) {
        std::fill(sum.begin(), sum.end(), 0.0f);
        bool gathered = false;
        for (const Band& b : blur_bands) {
            const auto f = static_cast<std::size_t>(j + my - b.dy);
            if (!lit_row[f]) continue;
            gathered = true;
            const float* row = &sums[f * stride + static_cast<std::size_t>(mx) * 4];
            const float *first = row + b.first * 4, *last = row + b.last * 4;
            gather(b.whole, first + 4, last);
            gather(b.first_share, first, first + 4);
            gather(b.last_share, last, last + 4);
        }
        if (!gathered) continue;
        std::uint8_t* out = &pixels->bytes[static_cast<std::size_t>(j) * n];
        for (std::size_t q = 0; q < n; q += 4) {
            const float light = acc[q + 3] * open;
            if (!(light > 0)) continue;
            // The light as a display shows light, near enough (gamma 2), so that the faint light
            // of a wide blur is seen as an eye sees it.
            const float a = std::sqrt(std::min(light, 1.0f));
            if (a * 255 < 0.5f) continue;
            const float per_light = 255 / acc[q + 3];
            for (std::size_t k = 0; k < 3; ++k) {
                const float c = std::min(std::max(acc[q + k] * per_light, 0.0f), 255.0f);
                out[q + k] = static_cast<std::uint8_t>(static_cast<int>(c + 0.5f));
            }
            out[q + 3] = static_cast<std::uint8_t>(static_cast<int>(a * 255 + 0.5f));
            any = true;
        }
    }
    if (!any) return std::nullopt;
    const auto px = static_cast<float>(kTwipsPerPixel);
    return Raster{item,
                  {static_cast<float>(lit.left) * px, static_cast<float>(lit.top) * px,
                   static_cast<float>(lit.width) * px, static_cast<float>(lit.height) * px},
                  std::move(pixels)};
}

}  // namespace korru
