// SPDX-License-Identifier: MIT
// The notebook's plot, a drawing of the same plain primitives as the bench, so every face paints
// it and writes it as PNG and SVG: the recorded image distances b against the candle distances
// a, with the thin-lens law's curve for each focal length recorded and its asymptotes (a = f and
// b = f); or 1/b against 1/a, where the law is a straight line. A virtual image's distance counts
// as negative, on the candle's side. Where a pupil found the image on their own screen, that
// distance stands beside the law's, hollow.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <utility>

#include "bench/drawing.h"
#include "lesson/notebook.h"

namespace korru {

enum class PlotView { distances, reciprocals };

// Where the plot's values lie on it: the ranges shown across and up, and the area of the plot
// (pixels) they fill, which leaves room around it for the numbers, the names of the axes, the
// title and the legend (the words in the reader's language, from `translate`).
struct PlotFrame {
    double x_min = 0, x_max = 1, y_min = 0, y_max = 1;
    PixelBox area;
};

PlotFrame plot_frame(const Notebook& n, PlotView view, int width, int height,
                     const Translate& translate);

// A row as a point of the plot: (a, b) or (1/a, 1/b); none for a row without an image.
std::optional<std::pair<double, double>> plot_point(const Measurement& m, PlotView view);
// Where the pupil found the image on their own screen: (a, x) or (1/a, 1/x); none for a row
// recorded without the experiment.
std::optional<std::pair<double, double>> found_point(const Measurement& m, PlotView view);

// The plot on width x height pixels, in twips as every drawing is: no words over one another,
// the legend beside the curves, never on them, and as many numbers on each axis as have room.
// The drawing's words are kept in `words`, which must outlive it.
void draw_plot(const Notebook& n, PlotView view, int width, int height, const Translate& translate,
               Drawing& out, std::deque<std::string>& words);

// The texts of this file, for the catalogue.
std::vector<std::string_view> plot_texts();

}  // namespace korru
