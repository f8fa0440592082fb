// SPDX-License-Identifier: MIT
// The notebook's side sheet. Its table is rows of fixed columns rather than an HTML table, whose
// every row the browser lays out again when one is added; the rows stand in blocks of a hundred
// that the browser lays out and paints only when they are scrolled into view. They reach the
// page as HTML text, all of them in one piece when the table is made and one row's worth when a
// row is recorded: ten thousand rows made element by element would hold the page up a second.
#include "web/notebook_sheet.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <string_view>
#include <utility>

#include "bench/description.h"
#include "lesson/captions.h"
#include "web/fonts.h"
#include "web/language.h"
#include "web/worksheet.h"

namespace korru::web {

using emscripten::val;

namespace {

// The plot on the sheet, in CSS pixels.
constexpr int kPlotWidth = 360, kPlotHeight = 270;

// The table's text, in CSS pixels, as the page's style has it.
constexpr int kNotebookFontPixels = 12;

// Rows a block of the table holds.
constexpr std::size_t kBlockRows = 100;

// A cell's padding either side, in CSS pixels, as the page's style has it.
constexpr int kCellPadding = 6;

val element(const char* tag, const char* class_name = nullptr) {
    val e = val::global("document").call<val>("createElement", val(tag));
    if (class_name) e.set("className", class_name);
    return e;
}

// A cell's text as HTML: in an element's content, only "&" and "<" begin markup.
void escaped(std::string& out, std::string_view text) {
    for (char c : text) {
        if (c == '&') {
            out += "&amp;";
        } else if (c == '<') {
            out += "&lt;";
        } else {
            out += c;
        }
    }
}

// The table's rows from `first` up to `end`, as HTML.
std::string rows_html(const Notebook& n, std::size_t first, std::size_t end) {
    std::string out;
    for (std::size_t i = first; i < end; ++i) {
        out += "<div role=\"row\"><span role=\"rowheader\">" + std::to_string(i + 1) + "</span>";
        for (const std::string& cell : cells(n.rows()[i], translated)) {
            out += "<span role=\"cell\">";
            escaped(out, cell);
            out += "</span>";
        }
        out += "</div>";
    }
    return out;
}

// The rows from `first` on in blocks, each beginning where a block begins.
std::string blocks_html(const Notebook& n, std::size_t first) {
    std::string out;
    for (std::size_t i = first; i < n.rows().size(); i += kBlockRows) {
        out += "<div class=\"block\">" +
               rows_html(n, i, std::min(i + kBlockRows, n.rows().size())) + "</div>";
    }
    return out;
}

// The columns' widths as a grid lays them out: each as wide as the widest text it can hold in
// the page's font — its heading, the words of its cells, a number of the most digits a bench
// gives — so that every row lines up with the headings whatever it holds.
std::string column_widths(const std::vector<std::string>& shorts) {
    val context = val::global("document")
                      .call<val>("createElement", val("canvas"))
                      .call<val>("getContext", val("2d"));
    context.set("font", css_font(kNotebookFontPixels));
    const auto width = [&context](const std::string& text) {
        return context.call<val>("measureText", val(text))["width"].as<double>();
    };
    const double number = width(spoken_number(-888.88f));
    std::vector<double> widths{width("000000")};
    for (const std::string& h : shorts) widths.push_back(std::max(number, width(h)));
    for (ImageCase image : {ImageCase::real, ImageCase::virtual_image, ImageCase::none}) {
        Measurement m;
        m.image = image;
        const std::vector<std::string> row = cells(m, translated);
        for (std::size_t i = 0; i < row.size() && i + 1 < widths.size(); ++i) {
            widths[i + 1] = std::max(widths[i + 1], width(row[i]));
        }
    }
    std::string out;
    for (double w : widths) {
        out += std::to_string(static_cast<int>(std::ceil(w)) + 2 * kCellPadding + 1) + "px ";
    }
    return out;
}

}  // namespace

NotebookSheet::NotebookSheet(const val& parent, Words copy)
    : copy_(std::move(copy)),
      sheet_(element("aside")),
      rows_(element("div", "body")),
      count_(element("span", "count")),
      unkept_(element("p", "unkept")),
      plot_canvas_(element("canvas", "plot")) {
    const LessonCaptions& c = kCaptions;
    sheet_.set("id", "notebook");
    sheet_.set("hidden", true);
    sheet_.call<void>("setAttribute", val("aria-labelledby"), val("notebook-title"));
    val title = element("h2");
    title.set("id", "notebook-title");
    title.set("textContent", translated(c.notebook));
    title.call<void>("appendChild", count_);
    sheet_.call<void>("appendChild", title);

    // The buttons, numbered as button() takes them.
    const auto add_button = [&](const val& holder, Button which, std::string_view text) {
        val b = element("button");
        b.set("type", "button");
        b.set("textContent", translated(text));
        b.call<void>("addEventListener", val("click"),
                     val::module_property("notebook_button")
                         .call<val>("bind", val::null(), static_cast<int>(which)));
        holder.call<void>("appendChild", b);
        return b;
    };
    val tools = element("div", "tools");
    add_button(tools, kCsv, c.export_csv);
    add_button(tools, kCopyTable, c.copy_table);
    add_button(tools, kClear, c.clear);
    sheet_.call<void>("appendChild", tools);
    // Said for as long as rows are not kept; a screen reader hears each change of it.
    unkept_.set("hidden", true);
    unkept_.call<void>("setAttribute", val("role"), val("status"));
    sheet_.call<void>("appendChild", unkept_);

    // Short headings over the columns, each with its words and unit, which a screen reader
    // reads and a pointer shows.
    val table = element("div", "table");
    table.call<void>("setAttribute", val("role"), val("table"));
    table.call<void>("setAttribute", val("aria-labelledby"), val("notebook-title"));
    val head = element("div", "head"), heading_row = element("div");
    head.call<void>("setAttribute", val("role"), val("rowgroup"));
    heading_row.call<void>("setAttribute", val("role"), val("row"));
    const auto heading = [&heading_row](const std::string& text) {
        val h = element("span");
        h.call<void>("setAttribute", val("role"), val("columnheader"));
        h.set("textContent", text);
        heading_row.call<void>("appendChild", h);
        return h;
    };
    heading("#");
    const std::vector<std::string> words = heading_words(translated);
    const std::vector<std::string> shorts = headings(translated);
    for (std::size_t i = 0; i < shorts.size(); ++i) {
        val h = heading(words[i] == shorts[i] ? shorts[i] : "");
        if (words[i] == shorts[i]) continue;
        val abbr = element("abbr");
        abbr.set("title", words[i]);
        abbr.set("textContent", shorts[i]);
        h.call<void>("appendChild", abbr);
        h.call<void>("setAttribute", val("aria-label"), val(words[i]));
    }
    head.call<void>("appendChild", heading_row);
    table.call<void>("appendChild", head);
    rows_.call<void>("setAttribute", val("role"), val("rowgroup"));
    table.call<void>("appendChild", rows_);
    table["style"].call<void>("setProperty", val("--columns"), val(column_widths(shorts)));
    val wrap = element("div", "rows");
    wrap.set("tabIndex", 0);  // a table wider than the sheet scrolls by keyboard too
    wrap.call<void>("setAttribute", val("role"), val("region"));
    wrap.call<void>("setAttribute", val("aria-labelledby"), val("notebook-title"));
    wrap.call<void>("appendChild", table);
    sheet_.call<void>("appendChild", wrap);

    val views = element("div", "tools");
    views.call<void>("setAttribute", val("role"), val("group"));
    views.call<void>("setAttribute", val("aria-label"), val(translated(c.plot)));
    add_button(views, kDistances, c.distances)
        .call<void>("setAttribute", val("aria-pressed"), val("true"));
    add_button(views, kReciprocals, c.reciprocals)
        .call<void>("setAttribute", val("aria-pressed"), val("false"));
    sheet_.call<void>("appendChild", views);
    plot_canvas_.call<void>("setAttribute", val("role"), val("img"));
    plot_canvas_.call<void>("setAttribute", val("aria-label"), val(translated(c.plot)));
    plot_canvas_["style"].set("width", std::to_string(kPlotWidth) + "px");
    plot_canvas_["style"].set("height", std::to_string(kPlotHeight) + "px");
    sheet_.call<void>("appendChild", plot_canvas_);
    plot_painter_.emplace(plot_canvas_);

    val saves = element("div", "tools");
    add_button(saves, kPlotPng, c.save_plot_png);
    add_button(saves, kPlotSvg, c.save_plot_svg);
    add_button(saves, kClose, c.close);
    sheet_.call<void>("appendChild", saves);
    parent.call<void>("appendChild", sheet_);
}

void NotebookSheet::show(const Session& s) {
    const Notebook& n = s.notebook();
    const std::vector<RowId>& ids = n.ids();
    const val blocks = rows_["children"];
    // The rows not yet kept are the last ones: a notebook puts its own new rows after the
    // store's.
    const auto mark = [&blocks](std::size_t from, std::size_t to, bool on) {
        for (std::size_t i = from; i < to; ++i) {
            blocks[static_cast<int>(i / kBlockRows)]["children"][static_cast<int>(i % kBlockRows)]
                  ["classList"]
                      .call<void>("toggle", val("unkept"), on);
        }
    };
    const std::size_t had = shown_.size();
    const bool grown = had <= ids.size() && std::equal(shown_.begin(), shown_.end(), ids.begin());
    if (!grown) {
        rows_.set("innerHTML", blocks_html(n, 0));
        plotted_.clear();
        for (const Measurement& m : n.rows()) plotted(m);
    } else {
        for (std::size_t i = had; i < ids.size(); ++i) plotted(n.rows()[i]);
        mark(had - marked_, had, false);
        // The last block filled up first, then new blocks.
        const std::size_t filled =
            std::min(ids.size(), (had + kBlockRows - 1) / kBlockRows * kBlockRows);
        if (filled > had) {
            rows_["lastElementChild"].call<void>("insertAdjacentHTML", val("beforeend"),
                                                 val(rows_html(n, had, filled)));
        }
        if (ids.size() > filled) {
            rows_.call<void>("insertAdjacentHTML", val("beforeend"), val(blocks_html(n, filled)));
        }
    }
    shown_ = ids;
    marked_ = std::min(s.unkept_rows(), ids.size());
    mark(ids.size() - marked_, ids.size(), true);

    count_.set("textContent",
               " " + with_numbers(translated(kCaptions.rows), {std::to_string(ids.size())}));
    const std::string unkept = s.unkept_text();
    if (unkept != unkept_["textContent"].as<std::string>()) unkept_.set("textContent", unkept);
    unkept_.set("hidden", unkept.empty());
    if (is_open()) paint_plot_soon();
}

void NotebookSheet::plotted(const Measurement& m) {
    const auto at = std::find(plotted_.begin(), plotted_.end(), m);
    if (at != plotted_.end()) plotted_.erase(at);
    plotted_.push_back(m);
}

void NotebookSheet::paint_plot_soon() {
    if (plot_asked_) return;
    plot_asked_ = true;
    val::global("window").call<void>("requestAnimationFrame", val::module_property("plot_frame"));
}

void NotebookSheet::paint_plot() {
    plot_asked_ = false;
    if (!is_open()) return;
    // Each mark is opaque: drawn once, where it was last drawn, it gives the same pixels.
    Notebook marks;
    for (const Measurement& m : plotted_) marks.add(0, m);
    Drawing plot;
    std::deque<std::string> words;
    draw_plot(marks, view_, kPlotWidth, kPlotHeight, translated, plot, words);
    plot_painter_->resize(kPlotWidth, kPlotHeight, val::global("devicePixelRatio").as<double>());
    plot_painter_->paint(plot);
}

void NotebookSheet::open(bool shown) {
    sheet_.set("hidden", !shown);
    if (shown) paint_plot_soon();
}

bool NotebookSheet::is_open() const {
    return !sheet_["hidden"].as<bool>();
}

void NotebookSheet::choose_view(PlotView view) {
    view_ = view;
    const val buttons = sheet_.call<val>("querySelectorAll", val("[aria-pressed]"));
    buttons[0].call<void>("setAttribute", val("aria-pressed"),
                          val(view == PlotView::distances ? "true" : "false"));
    buttons[1].call<void>("setAttribute", val("aria-pressed"),
                          val(view == PlotView::reciprocals ? "true" : "false"));
    paint_plot_soon();
}

void NotebookSheet::button(int which, const Session& s) {
    switch (which) {
        case kCsv: {
            // As bytes: a JavaScript string would drop the byte-order mark on the way. The Blob
            // copies them at once.
            const std::string csv = s.notebook_csv();
            val parts = val::array();
            parts.call<void>("push",
                             val(emscripten::typed_memory_view(
                                 csv.size(), reinterpret_cast<const unsigned char*>(csv.data()))));
            val options = val::object();
            options.set("type", "text/csv;charset=utf-8");
            download_blob(val::global("Blob").new_(parts, options), "notebook.csv");
            break;
        }
        case kCopyTable:
            copy_(s.notebook().tab_separated(translated));
            break;
        case kDistances:
        case kReciprocals:
            choose_view(which == kDistances ? PlotView::distances : PlotView::reciprocals);
            break;
        case kPlotPng: {
            Drawing d;
            std::deque<std::string> words;
            s.draw_plot(view_, kPlotPictureWidth, kPlotPictureHeight, d, words);
            BenchCanvas picture(val::global("document").call<val>("createElement", val("canvas")));
            picture.resize(kPlotPictureWidth, kPlotPictureHeight, 1);
            picture.paint(d);
            download(picture.canvas().call<val>("toDataURL", val("image/png")), "plot.png");
            break;
        }
        case kPlotSvg: {
            const std::string text =
                val::global("encodeURIComponent")(val(s.plot_svg(view_, page_svg_look())))
                    .as<std::string>();
            download(val("data:image/svg+xml;charset=utf-8," + text), "plot.svg");
            break;
        }
        case kClose:
            open(false);
            break;
        default:
            break;
    }
}

void NotebookSheet::stop() {
    const val buttons = sheet_.call<val>("querySelectorAll", val("button"));
    for (int i = 0; i < buttons["length"].as<int>(); ++i) buttons[i].set("disabled", true);
}

}  // namespace korru::web
