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
#include <numeric>
#include <span>
#include <string_view>
#include <utility>

#include "bench/description.h"
#include "lesson/captions.h"
#include "web/css.h"
#include "web/fonts.h"
#include "web/language.h"
#include "web/worksheet.h"

namespace korru::web {

using emscripten::val;

namespace {

// The plot on the sheet, in CSS pixels, at most: narrower where the sheet is, and lower where it
// is short, down to the least height; its margin above and border, as the page's style has them.
constexpr int kPlotWidth = 360, kPlotHeight = 270, kLeastPlotHeight = 120, kPlotFrame = 8 + 2;

// The sheet's padding and border either side, CSS pixels, as the page's style has them.
constexpr int kSheetInside = 2 * 8 + 1;

// The table's text, in CSS pixels, as the page's style has it.
constexpr int kNotebookFontPixels = 12;

// Rows a block of the table holds.
constexpr std::size_t kBlockRows = 100;

// A cell's padding either side, in CSS pixels, as the page's style has it.
constexpr int kCellPadding = 4;

// The columns a narrow sheet puts on a second line of each row, counted from the row's number.
constexpr std::size_t kSecondLineCells[] = {kSecondLine[0].column + 1, kSecondLine[1].column + 1};

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
        } else if (c == '"') {
            out += "&quot;";
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

// A text's width in the table's font, CSS pixels.
double text_width(const std::string& text) {
    static const val context = [] {
        val c = val::global("document")
                    .call<val>("createElement", val("canvas"))
                    .call<val>("getContext", val("2d"));
        c.set("font", css_font(kNotebookFontPixels));
        return c;
    }();
    return context.call<val>("measureText", val(text))["width"].as<double>();
}

// The columns' least widths: each as wide as its heading and the words its cells can hold (the
// numbers' columns widen with the longest number they hold, as rows come).
std::vector<double> least_widths(const std::vector<std::string>& shorts) {
    std::vector<double> widths{0};
    for (const std::string& h : shorts) widths.push_back(text_width(h));
    for (ImageCase image : {ImageCase::real, ImageCase::virtual_image, ImageCase::none}) {
        Measurement m;
        m.image = image;
        m.screen = 0;
        const std::vector<std::string> row = cells(m, translated);
        for (std::size_t i = 0; i < row.size() && i + 1 < widths.size(); ++i) {
            widths[i + 1] = std::max(widths[i + 1], text_width(row[i]));
        }
    }
    return widths;
}

// The columns as a grid's template, leaving out `left_out`.
std::string grid_columns(const std::vector<int>& widths, std::span<const std::size_t> left_out) {
    std::string out;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        if (std::find(left_out.begin(), left_out.end(), i) != left_out.end()) continue;
        out += std::to_string(widths[i]) + "px ";
    }
    return out;
}

// The most characters a number of each column holds among the rows from `first` on, the rows'
// numbers first (the words of a column are its least width already); whether any grew.
bool lengthen(std::vector<std::size_t>& longest, const Notebook& n, std::size_t first) {
    bool grew = false;
    const auto at_least = [&](std::size_t i, std::size_t length) {
        if (length > longest[i]) {
            longest[i] = length;
            grew = true;
        }
    };
    at_least(0, std::to_string(n.rows().size()).size());
    for (std::size_t r = first; r < n.rows().size(); ++r) {
        const std::vector<std::string> row = cells(n.rows()[r], translated);
        for (std::size_t i = 0; i < row.size() && i + 1 < longest.size(); ++i) {
            if (number_column(i)) at_least(i + 1, row[i].size());
        }
    }
    return grew;
}

// Where a narrow sheet sets its second line's cells: each under the columns the lesson sets it
// under, in the grid its first line's columns make (the second line's own left out of it). A
// row's cells count from its number, a grid's lines from 1.
std::string second_line_style() {
    const auto grid_line = [](std::size_t column) {
        std::size_t before = 0;
        for (const SecondLine& line : kSecondLine) before += line.column < column ? 1 : 0;
        return std::to_string(column + 2 - before);
    };
    std::string out = "<style>";
    for (const SecondLine& line : kSecondLine) {
        out += "#notebook.narrow [role=row] > :nth-child(" + std::to_string(line.column + 2) +
               ") { grid-row: 2; grid-column: " + grid_line(line.first) + " / " +
               grid_line(line.last + 1) +
               "; padding: 0 4px 2px; text-align: left; white-space: normal;"
               " border-bottom: 1px solid #e4e4e4; }";
    }
    return out + "</style>";
}

// The sheet as HTML: its title and count, its buttons (each with the number button() takes it
// by), the line of the rows not yet kept, the table under short headings that say their words
// and units to a screen reader and a pointer, and the plot, the two between the buttons; under
// them the plot's views, its pictures and the close button.
std::string sheet_html(const std::vector<std::string>& shorts) {
    const LessonCaptions& c = kCaptions;
    std::string out = second_line_style() + "<h2 id=\"notebook-title\">";
    escaped(out, translated(c.notebook));
    out += "<span class=\"count\"></span></h2>";
    const auto button = [&out](NotebookSheet::Button which, std::string_view text,
                               const char* more = "") {
        out += "<button type=\"button\" data-which=\"" + std::to_string(which) + "\"" + more + ">";
        escaped(out, translated(text));
        out += "</button>";
    };
    out += "<div class=\"tools\">";
    button(NotebookSheet::kCsv, c.export_csv);
    button(NotebookSheet::kCopyTable, c.copy_table);
    button(NotebookSheet::kClear, c.clear);
    button(NotebookSheet::kRemove, c.remove_row);
    // Said for as long as rows are not kept; a screen reader hears each change of it.
    out += "</div><p class=\"unkept\" role=\"status\" hidden></p>";
    // A table wider than the sheet scrolls by keyboard too.
    out +=
        "<div class=\"middle\"><div class=\"rows\" tabindex=\"0\" role=\"region\" "
        "aria-labelledby=\"notebook-title\">"
        "<div class=\"table\" role=\"table\" aria-labelledby=\"notebook-title\">"
        "<div class=\"head\" role=\"rowgroup\"><div role=\"row\">"
        "<span role=\"columnheader\">#</span>";
    const std::vector<std::string> words = heading_words(translated);
    for (std::size_t i = 0; i < shorts.size(); ++i) {
        if (words[i] == shorts[i]) {
            out += "<span role=\"columnheader\">";
            escaped(out, shorts[i]);
        } else {
            out += "<span role=\"columnheader\" aria-label=\"";
            escaped(out, words[i]);
            out += "\"><abbr title=\"";
            escaped(out, words[i]);
            out += "\">";
            escaped(out, shorts[i]);
            out += "</abbr>";
        }
        out += "</span>";
    }
    out += "</div></div><div class=\"body\" role=\"rowgroup\"></div></div></div>";
    out += "<canvas class=\"plot\" role=\"img\" aria-label=\"";
    escaped(out, translated(c.plot));
    out += "\"></canvas></div><div class=\"tools\" role=\"group\" aria-label=\"";
    escaped(out, translated(c.plot));
    out += "\">";
    button(NotebookSheet::kDistances, c.distances, " aria-pressed=\"true\"");
    button(NotebookSheet::kReciprocals, c.reciprocals, " aria-pressed=\"false\"");
    out += "</div><div class=\"tools\">";
    button(NotebookSheet::kPlotPng, c.save_plot_png);
    button(NotebookSheet::kPlotSvg, c.save_plot_svg);
    button(NotebookSheet::kClose, c.close);
    return out + "</div>";
}

}  // namespace

NotebookSheet::NotebookSheet(const val& parent, Words copy)
    : copy_(std::move(copy)), sheet_(element("aside")) {
    sheet_.set("id", "notebook");
    sheet_.set("hidden", true);
    sheet_.call<void>("setAttribute", val("aria-labelledby"), val("notebook-title"));
    build();
    sheet_.call<void>("addEventListener", val("click"), val::module_property("notebook_click"));
    parent.call<void>("appendChild", sheet_);
}

// The sheet's words, headings and parts, in the page's language.
void NotebookSheet::build() {
    const std::vector<std::string> shorts = headings(translated);
    sheet_.set("innerHTML", sheet_html(shorts));
    const auto part = [this](const char* selector) {
        return sheet_.call<val>("querySelector", val(selector));
    };
    rows_ = part(".body");
    count_ = part(".count");
    unkept_ = part(".unkept");
    plot_canvas_ = part("canvas");
    wrap_ = part(".rows");
    middle_ = part(".middle");
    table_tools_ = part(".tools");
    view_tools_ = part(".middle + .tools");
    picture_tools_ = part(".middle + .tools + .tools");
    const std::string close = "button[data-which=\"" + std::to_string(kClose) + "\"]";
    close_ = part(close.c_str());
    arrange();
    least_ = least_widths(shorts);
    longest_.assign(least_.size(), 0);
    set_columns();
    plot_canvas_["style"].set("width", css_pixels(plot_width_));
    plot_canvas_["style"].set("height", css_pixels(plot_height_));
    plot_painter_.emplace(plot_canvas_);
}

void NotebookSheet::relabel(const Session& s) {
    build();
    shown_.clear();
    plotted_.clear();
    marked_ = 0;
    show(s);
    show_chosen(true);
    choose_view(view_);
    fit_plot();  // its words take another room
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
    const bool grown = rows_kept(shown_, ids) == had;
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
    // Rows taken out: the columns as narrow as the rows left allow.
    if (!grown) longest_.assign(longest_.size(), 0);
    if (lengthen(longest_, n, grown ? had : 0) || !grown) set_columns();
    show_chosen(false);
    shown_ = ids;
    if (chosen_ && std::find(ids.begin(), ids.end(), *chosen_) == ids.end()) chosen_.reset();
    show_chosen(true);
    sheet_.call<val>("querySelector", val("[data-which=\"" + std::to_string(kRemove) + "\"]"))
        .set("disabled", ids.empty());
    marked_ = std::min(s.unkept_rows(), ids.size());
    mark(ids.size() - marked_, ids.size(), true);

    count_.set("textContent", " " + counted(kCaptions.rows, ids.size()));
    const std::string unkept = s.unkept_text();
    if (unkept != unkept_["textContent"].as<std::string>()) unkept_.set("textContent", unkept);
    if (unkept.empty() != unkept_["hidden"].as<bool>()) {
        unkept_.set("hidden", unkept.empty());
        fit_plot();  // the line takes its room from the table and the plot
    }
    if (is_open()) {
        paint_plot_soon();
        if (ids.size() > had) show_newest();
    }
}

void NotebookSheet::choose(std::size_t row) {
    if (row >= shown_.size()) return;
    show_chosen(false);
    chosen_ = chosen_ == shown_[row] ? std::nullopt : std::optional(shown_[row]);
    show_chosen(true);
}

std::optional<RowId> NotebookSheet::row_to_remove(const Session& s) const {
    return korru::row_to_remove(s.notebook().ids(), chosen_);
}

// The chosen row's look on or off, where the table shows it.
void NotebookSheet::show_chosen(bool on) const {
    if (!chosen_) return;
    const auto at = std::find(shown_.begin(), shown_.end(), *chosen_);
    if (at == shown_.end()) return;
    const auto i = static_cast<std::size_t>(at - shown_.begin());
    const val block = rows_["children"][static_cast<int>(i / kBlockRows)];
    if (block.isUndefined()) return;
    block["children"][static_cast<int>(i % kBlockRows)]["classList"].call<void>("toggle",
                                                                                val("chosen"), on);
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
    draw_plot(marks, view_, plot_width_, plot_height_, translated, plot, words);
    plot_painter_->resize(plot_width_, plot_height_, val::global("devicePixelRatio").as<double>());
    plot_painter_->paint(plot);
}

void NotebookSheet::open(bool shown) {
    sheet_.set("hidden", !shown);
    if (shown) paint_plot_soon();
}

bool NotebookSheet::is_open() const {
    return !sheet_["hidden"].as<bool>();
}

void NotebookSheet::place(const CssBox& box) {
    web::place(sheet_, box);
    low_ = box.height < kNotebookLeast;
    arrange();
    if (box.width != width_shown_) {
        width_shown_ = box.width;
        // A vertical scroll bar may take its room from the table's box.
        inside_ = box.width - kSheetInside - 2 - 16;
    }
    fit_table();
}

// A sheet lower than its buttons and five rows of the table need (a phone held sideways) takes
// the plot's buttons into the part that scrolls, after the plot, and the close button up among
// the table's: the rows keep their room, and every button is still in the sheet to reach.
void NotebookSheet::arrange() {
    if (low_ == close_["parentNode"].strictlyEquals(table_tools_)) return;
    if (low_) {
        table_tools_.call<void>("appendChild", close_);
        middle_.call<void>("appendChild", view_tools_);
        middle_.call<void>("appendChild", picture_tools_);
    } else {
        sheet_.call<void>("appendChild", view_tools_);
        sheet_.call<void>("appendChild", picture_tools_);
        picture_tools_.call<void>("appendChild", close_);
    }
}

// The table's rows on one line where they fit the box, else on two; the plot in what they leave.
void NotebookSheet::fit_table() {
    sheet_["classList"].call<void>("toggle", val("narrow"), on_two_lines(table_width_, inside_));
    fit_plot();
}

// The plot as wide as the sheet allows, and as tall as the room the table leaves it at its
// least, in its own proportions at most.
void NotebookSheet::fit_plot() {
    if (!is_open() || width_shown_ < 0) return;  // fitted once placed
    const int width = static_cast<int>(std::min<double>(kPlotWidth, inside_ - 2));
    if (width <= 0) return;
    const double table =
        val::global("parseFloat")(val::global("getComputedStyle")(wrap_)["minHeight"]).as<double>();
    const double room = middle_["clientHeight"].as<double>() - table - kPlotFrame;
    const int height = std::max(kLeastPlotHeight,
                                std::min(width * kPlotHeight / kPlotWidth, static_cast<int>(room)));
    if (width == plot_width_ && height == plot_height_) return;
    plot_width_ = width;
    plot_height_ = height;
    plot_canvas_["style"].set("width", css_pixels(plot_width_));
    plot_canvas_["style"].set("height", css_pixels(plot_height_));
    paint_plot_soon();
}

// Each column as wide as its heading, its words and its longest number: digits are as wide as
// one another, and no sign or point is wider than an 8.
void NotebookSheet::set_columns() {
    std::vector<int> widths;
    for (std::size_t i = 0; i < least_.size(); ++i) {
        const double digits = longest_[i] ? text_width(std::string(longest_[i], '8')) : 0;
        widths.push_back(static_cast<int>(std::ceil(std::max(least_[i], digits))) +
                         2 * kCellPadding + 1);
    }
    val table = sheet_.call<val>("querySelector", val(".table"))["style"];
    table.call<void>("setProperty", val("--columns"), val(grid_columns(widths, {})));
    table.call<void>("setProperty", val("--narrow-columns"),
                     val(grid_columns(widths, kSecondLineCells)));
    table_width_ = std::accumulate(widths.begin(), widths.end(), 0.0);
    fit_table();
}

void NotebookSheet::show_newest() {
    if (is_open()) wrap_.set("scrollTop", wrap_["scrollHeight"]);
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
            // At twice its size, sharp on a printed worksheet.
            picture.resize(kPlotPictureWidth, kPlotPictureHeight, kPrintRatio);
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
