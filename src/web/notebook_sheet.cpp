// SPDX-License-Identifier: MIT
// The notebook's side sheet.
#include "web/notebook_sheet.h"

#include <utility>

#include "bench/svg.h"
#include "web/language.h"
#include "web/worksheet.h"

namespace korru::web {

using emscripten::val;

namespace {

const std::string kTitle = QT_TRANSLATE_NOOP("korru", "測定ノート");
const std::string kRows = QT_TRANSLATE_NOOP("korru", "%1 行");
const std::string kCsv = QT_TRANSLATE_NOOP("korru", "CSV で保存");
const std::string kCopyTable = QT_TRANSLATE_NOOP("korru", "表をコピー");
const std::string kClear = QT_TRANSLATE_NOOP("korru", "すべて消す…");
const std::string kDistances = QT_TRANSLATE_NOOP("korru", "距離 a, b");
const std::string kReciprocals = QT_TRANSLATE_NOOP("korru", "逆数 1/a, 1/b");
const std::string kPlotPng = QT_TRANSLATE_NOOP("korru", "グラフを PNG で保存");
const std::string kPlotSvg = QT_TRANSLATE_NOOP("korru", "グラフを SVG で保存");
const std::string kClose = QT_TRANSLATE_NOOP("korru", "閉じる");
const std::string kPlotName = QT_TRANSLATE_NOOP("korru", "グラフ");
const std::string kAskClear =
    QT_TRANSLATE_NOOP("korru", "測定ノートの行をすべて消しますか? (%1 行)");
const std::string kUnreadable = QT_TRANSLATE_NOOP(
    "korru",
    "保存されていた測定ノートが読めないため、別の名前で残し、新しい測定ノートを始めます。");
const std::string kNotKept = QT_TRANSLATE_NOOP(
    "korru", "このブラウザーは測定ノートを保存させません。ページを閉じると記録は消えます。");

// Where the rows are kept, and where a kept notebook the page cannot read is set aside.
constexpr const char* kKey = "korru.notebook";
constexpr const char* kUnreadableKey = "korru.notebook.unreadable";

// The plot on the sheet, and as a picture for a worksheet, in CSS pixels.
constexpr int kPlotWidth = 360, kPlotHeight = 270;
constexpr int kPictureWidth = 480, kPictureHeight = 360;

val element(const char* tag, const char* class_name = nullptr) {
    val e = val::global("document").call<val>("createElement", val(tag));
    if (class_name) e.set("className", class_name);
    return e;
}

val storage() {
    return val::global("korruStorage");
}

}  // namespace

NotebookSheet::NotebookSheet(const val& parent, Words say, Words copy)
    : say_(std::move(say)),
      copy_(std::move(copy)),
      sheet_(element("aside")),
      rows_(element("tbody")),
      count_(element("span", "count")),
      plot_canvas_(element("canvas", "plot")) {
    sheet_.set("id", "notebook");
    sheet_.set("hidden", true);
    sheet_.call<void>("setAttribute", val("aria-labelledby"), val("notebook-title"));
    val title = element("h2");
    title.set("id", "notebook-title");
    title.set("textContent", translated(kTitle));
    title.call<void>("appendChild", count_);
    sheet_.call<void>("appendChild", title);

    // The buttons, numbered as button() takes them.
    const auto add_button = [&](const val& holder, int which, const std::string& text) {
        val b = element("button");
        b.set("type", "button");
        b.set("textContent", translated(text));
        b.call<void>("addEventListener", val("click"),
                     val::module_property("notebook_button").call<val>("bind", val::null(), which));
        holder.call<void>("appendChild", b);
        return b;
    };
    val tools = element("div", "tools");
    add_button(tools, 0, kCsv);
    add_button(tools, 1, kCopyTable);
    add_button(tools, 2, kClear);
    sheet_.call<void>("appendChild", tools);

    val table = element("table");
    val head = element("thead"), heading_row = element("tr");
    val number = element("th");
    number.set("textContent", "#");
    heading_row.call<void>("appendChild", number);
    for (const std::string& h : headings(translated)) {
        val th = element("th");
        th.call<void>("setAttribute", val("scope"), val("col"));
        th.set("textContent", h);
        heading_row.call<void>("appendChild", th);
    }
    head.call<void>("appendChild", heading_row);
    table.call<void>("appendChild", head);
    table.call<void>("appendChild", rows_);
    val wrap = element("div", "rows");
    wrap.set("tabIndex", 0);  // a table wider than the sheet scrolls by keyboard too
    wrap.call<void>("setAttribute", val("role"), val("region"));
    wrap.call<void>("setAttribute", val("aria-labelledby"), val("notebook-title"));
    wrap.call<void>("appendChild", table);
    sheet_.call<void>("appendChild", wrap);

    val views = element("div", "tools");
    views.call<void>("setAttribute", val("role"), val("group"));
    views.call<void>("setAttribute", val("aria-label"), val(translated(kPlotName)));
    add_button(views, 3, kDistances).call<void>("setAttribute", val("aria-pressed"), val("true"));
    add_button(views, 4, kReciprocals)
        .call<void>("setAttribute", val("aria-pressed"), val("false"));
    sheet_.call<void>("appendChild", views);
    plot_canvas_.call<void>("setAttribute", val("role"), val("img"));
    plot_canvas_.call<void>("setAttribute", val("aria-label"), val(translated(kPlotName)));
    plot_canvas_["style"].set("width", std::to_string(kPlotWidth) + "px");
    plot_canvas_["style"].set("height", std::to_string(kPlotHeight) + "px");
    sheet_.call<void>("appendChild", plot_canvas_);
    plot_painter_.emplace(plot_canvas_);

    val saves = element("div", "tools");
    add_button(saves, 5, kPlotPng);
    add_button(saves, 6, kPlotSvg);
    add_button(saves, 7, kClose);
    sheet_.call<void>("appendChild", saves);
    parent.call<void>("appendChild", sheet_);
}

void NotebookSheet::load() {
    const val text = storage().call<val>("get", val(kKey));
    if (text.isUndefined()) {
        kept_ = false;
        say_(translated(kNotKept));
    } else if (text.isString()) {
        if (auto kept = read_stored(text.as<std::string>()); !kept.damaged) {
            notebook_ = std::move(kept.notebook);
        } else {
            storage().call<val>("set", val(kUnreadableKey), text);
            storage().call<val>("remove", val(kKey));
            say_(translated(kUnreadable));
        }
    }
    show_rows();
}

void NotebookSheet::keep() {
    if (!kept_) return;
    if (!storage().call<bool>("set", val(kKey), val(notebook_.stored()))) {
        kept_ = false;
        say_(translated(kNotKept));
    }
}

void NotebookSheet::record(const Window& w) {
    notebook_.add(notebook_.rows().size() + 1, measure(w));
    keep();
    show_rows();
}

void NotebookSheet::show_rows() {
    rows_.set("textContent", "");
    int n = 0;
    for (const Measurement& m : notebook_.rows()) {
        val tr = element("tr");
        val number = element("th");
        number.call<void>("setAttribute", val("scope"), val("row"));
        number.set("textContent", std::to_string(++n));
        tr.call<void>("appendChild", number);
        for (const std::string& cell : cells(m, translated)) {
            val td = element("td");
            td.set("textContent", cell);
            tr.call<void>("appendChild", td);
        }
        rows_.call<void>("appendChild", tr);
    }
    count_.set("textContent", " " + with_numbers(translated(kRows), {std::to_string(n)}));
    if (is_open()) paint_plot();
}

void NotebookSheet::paint_plot() {
    Drawing plot;
    std::deque<std::string> words;
    draw_plot(notebook_, view_, kPlotWidth, kPlotHeight, translated, plot, words);
    plot_painter_->resize(kPlotWidth, kPlotHeight, val::global("devicePixelRatio").as<double>());
    plot_painter_->paint(plot);
}

std::string NotebookSheet::plot_svg() {
    Drawing d;
    std::deque<std::string> words;
    draw_plot(notebook_, view_, kPictureWidth, kPictureHeight, translated, d, words);
    return drawing_svg(d, kPictureWidth, kPictureHeight, page_svg_look(), translated(kPlotName),
                       translated(kTitle));
}

void NotebookSheet::open(bool shown) {
    sheet_.set("hidden", !shown);
    if (shown) paint_plot();
}

bool NotebookSheet::is_open() const {
    return !sheet_["hidden"].as<bool>();
}

void NotebookSheet::button(int which) {
    switch (which) {
        case 0: {
            // As bytes: a JavaScript string would drop the byte-order mark on the way. The Blob
            // copies them at once.
            const std::string csv = notebook_.csv(translated);
            val parts = val::array();
            parts.call<void>("push",
                             val(emscripten::typed_memory_view(
                                 csv.size(), reinterpret_cast<const unsigned char*>(csv.data()))));
            val options = val::object();
            options.set("type", "text/csv;charset=utf-8");
            download_blob(val::global("Blob").new_(parts, options), "notebook.csv");
            break;
        }
        case 1:
            copy_(notebook_.tab_separated(translated));
            break;
        case 2:
            if (notebook_.rows().empty() ||
                !val::global("window").call<bool>(
                    "confirm", val(with_numbers(translated(kAskClear),
                                                {std::to_string(notebook_.rows().size())})))) {
                return;
            }
            notebook_.clear();
            keep();
            show_rows();
            break;
        case 3:
        case 4: {
            view_ = which == 3 ? PlotView::distances : PlotView::reciprocals;
            const val buttons = sheet_.call<val>("querySelectorAll", val("[aria-pressed]"));
            buttons[0].call<void>("setAttribute", val("aria-pressed"),
                                  val(which == 3 ? "true" : "false"));
            buttons[1].call<void>("setAttribute", val("aria-pressed"),
                                  val(which == 4 ? "true" : "false"));
            paint_plot();
            break;
        }
        case 5: {
            Drawing d;
            std::deque<std::string> words;
            draw_plot(notebook_, view_, kPictureWidth, kPictureHeight, translated, d, words);
            BenchCanvas picture(val::global("document").call<val>("createElement", val("canvas")));
            picture.resize(kPictureWidth, kPictureHeight, 1);
            picture.paint(d);
            download(picture.canvas().call<val>("toDataURL", val("image/png")), "plot.png");
            break;
        }
        case 6: {
            const std::string text =
                val::global("encodeURIComponent")(val(plot_svg())).as<std::string>();
            download(val("data:image/svg+xml;charset=utf-8," + text), "plot.svg");
            break;
        }
        case 7:
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
