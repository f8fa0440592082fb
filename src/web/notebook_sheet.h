// SPDX-License-Identifier: MIT
// The notebook on the page: a side sheet beside the window with the recorded rows as a table, a
// plot of them in either view, and what to do with them — CSV to download, the table to paste,
// the plot as PNG and SVG, clear (asked first). The rows are kept in the browser's local storage
// across a reload; a kept notebook the page cannot read is set aside under another key, said,
// and the notebook starts empty.
#pragma once

#include <emscripten/val.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "bench/drawing.h"
#include "lesson/notebook.h"
#include "lesson/plot.h"
#include "web/bench_canvas.h"

namespace korru::web {

class NotebookSheet {
  public:
    using Words = std::function<void(const std::string&)>;

    // Builds the sheet, hidden, at the end of `parent`; `say` shows a one-line notice (which a
    // screen reader hears) and `copy` puts a text on the clipboard.
    NotebookSheet(const emscripten::val& parent, Words say, Words copy);

    // Takes the kept rows from local storage.
    void load();

    void record(const Window& w);
    void open(bool shown);
    bool is_open() const;

    // The sheet's buttons, by number (see the constructor).
    void button(int which);

    // The plot at the page's device pixel ratio, again (the sheet shown, or the ratio changed).
    void paint_plot();

    const Notebook& notebook() const { return notebook_; }

    // Takes the sheet out of use once the page has stopped.
    void stop();

  private:
    void keep();
    void show_rows();
    std::string plot_svg();

    Words say_, copy_;
    Notebook notebook_;
    PlotView view_ = PlotView::distances;
    emscripten::val sheet_, rows_, count_, plot_canvas_;
    std::optional<BenchCanvas> plot_painter_;
    bool kept_ = true;  // whether local storage takes the rows
};

}  // namespace korru::web
