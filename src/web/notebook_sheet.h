// SPDX-License-Identifier: MIT
// The notebook on the page: a sheet beside the bench, never over it, with the session's rows as a
// table that fits its box (its short headings say their words to a pointer and a screen reader),
// a plot of them in either view, and what to do with them — CSV to download, the table to paste,
// the plot as PNG and SVG. The rows, how they are kept and what is said of it are the session's;
// the sheet shows them, a new row appended to the table rather than the table made again, and
// the plot painted once a frame however many rows came.
#pragma once

#include <emscripten/val.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "lesson/session.h"
#include "web/bench_canvas.h"
#include "web/layout.h"

namespace korru::web {

class NotebookSheet {
  public:
    using Words = std::function<void(const std::string&)>;

    // The sheet's buttons, as the module's notebook_click calls notebook_button(which).
    enum Button {
        kCsv,
        kCopyTable,
        kClear,
        kDistances,
        kReciprocals,
        kPlotPng,
        kPlotSvg,
        kClose,
        kRemove
    };

    // Builds the sheet, hidden, at the end of `parent`; `copy` puts a text on the clipboard.
    NotebookSheet(const emscripten::val& parent, Words copy);

    // The session's rows as they stand, the rows not yet kept marked and said.
    void show(const Session& s);
    void open(bool shown);
    bool is_open() const;
    // Placed at a box of the viewport: the table fitted to its width, the plot to its width and
    // to the height the table leaves.
    void place(const CssBox& box);
    // The newest row scrolled into the table's view.
    void show_newest();

    // The row a click or a tap chose (its place in the table), shown chosen; and the row that
    // kRemove takes out: the one chosen, or else the newest, the one a pupil most often records
    // by mistake. None in an empty notebook.
    void choose(std::size_t row);
    std::optional<RowId> row_to_remove(const Session& s) const;

    // A button that changes nothing of the session's (all but kClear and kRemove).
    void button(int which, const Session& s);

    // The plot at the page's device pixel ratio: at the next frame, once, however often asked
    // before it; and when that frame comes.
    void paint_plot_soon();
    void paint_plot();

    // Every word of the sheet again, in the language the page has changed to; open or not, its
    // rows, its chosen row and its view as they were (placed again at the next layout).
    void relabel(const Session& s);

    // Takes the sheet out of use once the page has stopped.
    void stop();

  private:
    void build();
    void choose_view(PlotView view);
    void plotted(const Measurement& m);

    Words copy_;
    PlotView view_ = PlotView::distances;
    emscripten::val sheet_,
        rows_ = emscripten::val::undefined(), count_ = emscripten::val::undefined(),
        unkept_ = emscripten::val::undefined(), plot_canvas_ = emscripten::val::undefined(),
        wrap_ = emscripten::val::undefined(), middle_ = emscripten::val::undefined();
    // The buttons of the table, of the plot's views and of its pictures, and the close button.
    emscripten::val table_tools_ = emscripten::val::undefined(),
                    view_tools_ = emscripten::val::undefined(),
                    picture_tools_ = emscripten::val::undefined(),
                    close_ = emscripten::val::undefined();
    bool low_ = false;  // lower than its buttons and five rows need: see arrange()
    void arrange();
    void set_columns();
    void fit_table();
    void fit_plot();

    // The columns' least widths (their headings and words) and the most characters a cell of
    // each holds; the table's width in CSS pixels with every column on one line; the box's
    // width.
    std::vector<double> least_;
    std::vector<std::size_t> longest_;
    double table_width_ = 0, inside_ = 1e9;
    // The plot's size on the sheet, CSS pixels.
    int plot_width_ = 360, plot_height_ = 270;
    double width_shown_ = -1;
    std::optional<BenchCanvas> plot_painter_;
    std::vector<RowId> shown_;  // the rows of the table, in its order
    std::optional<RowId> chosen_;
    void show_chosen(bool on) const;
    // The rows as the plot shows them: each different row once, where it was last recorded. A
    // class records the same few candle positions over and over; the same mark drawn ten
    // thousand times over would take a tenth of a second a frame.
    std::vector<Measurement> plotted_;
    std::size_t marked_ = 0;  // how many of its last rows are marked as not kept
    bool plot_asked_ = false;
};

}  // namespace korru::web
