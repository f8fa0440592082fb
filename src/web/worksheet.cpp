// SPDX-License-Identifier: MIT
// The pictures reach the clipboard and the downloads from within the key press or the click that
// asked for them, as browsers require: the PNG is a promise the clipboard resolves itself, and
// each download is one link followed at once.
#include "web/worksheet.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "bench/description.h"
#include "bench/svg.h"
#include "lesson/flow.h"
#include "lesson/lesson_bar.h"
#include "web/fonts.h"
#include "web/language.h"
#include "web/pictures.h"
#include "web/pixels.h"

namespace korru::web {

using emscripten::val;

namespace {

const std::string kTextRefused = QT_TRANSLATE_NOOP(
    "korru", "ブラウザーがクリップボードを使わせないため、コピーできませんでした。");
const std::string kCopyRefused = QT_TRANSLATE_NOOP(
    "korru",
    "ブラウザーがクリップボードを使わせないため、絵をコピーできませんでした。Ctrl+S "
    "で保存はできます。");

// The worksheet's file names, as the desktop offers them.
constexpr const char* kPngName = "lens.png";
constexpr const char* kSvgName = "lens.svg";

// A long press is a touch held this long without moving further than this.
constexpr int kLongPressMilliseconds = 550;
constexpr double kLongPressSlack = 10;

val by_id(const char* id) {
    return val::global("document").call<val>("getElementById", val(id));
}

val items_of(const val& menu) {
    return menu.call<val>("querySelectorAll", val("[role^=menuitem]"));
}

// Each picture as a PNG, made the first time it is asked for.
const std::string& picture_url(std::string_view name, bool turned) {
    static std::map<const val*, std::string> urls;
    const val& canvas = picture(name, turned);
    auto [at, first] = urls.try_emplace(&canvas);
    if (first) at->second = canvas.call<std::string>("toDataURL", val("image/png"));
    return at->second;
}

SvgLook::Face face_of(const Text& t) {
    const int pixels = text_pixels(t);
    return {std::string(kFontFamilies), static_cast<double>(pixels), t.font.bold,
            baseline_below_top(pixels, t.font.bold)};
}

}  // namespace

void download(const val& url, const char* name) {
    val document = val::global("document");
    val link = document.call<val>("createElement", val("a"));
    link.set("href", url);
    link.set("download", name);
    link["style"].set("display", "none");
    document["body"].call<void>("appendChild", link);
    link.call<void>("click");
    link.call<void>("remove");
}

void download_blob(const val& blob, const char* name) {
    const val url = val::global("URL").call<val>("createObjectURL", blob);
    download(url, name);
    // The link has been followed; the address may go once the browser has taken the file.
    val window = val::global("window");
    window.call<void>(
        "setTimeout",
        val::global("URL")["revokeObjectURL"].call<val>("bind", val::global("URL"), url), 60000);
}

SvgLook page_svg_look() {
    return {translated, face_of, picture_url};
}

LessonAction Worksheet::lesson_action(int choice) {
    return keyed_actions()[static_cast<std::size_t>(choice - kFirstLessonChoice)].action;
}

Worksheet::Worksheet(val bench, Notice& notice)
    : bench_(std::move(bench)), menu_(by_id("bench-menu")), notice_(notice) {
    menu_.call<void>("addEventListener", val("keydown"), val::module_property("menu_key"));
    menu_.call<void>("addEventListener", val("focusout"), val::module_property("menu_focusout"));
    bench_.call<void>("addEventListener", val("contextmenu"), val::module_property("bench_menu"));
    for (const char* type :
         {"pointerdown", "pointermove", "pointerup", "pointercancel", "touchend"}) {
        bench_.call<void>("addEventListener", val(type), val::module_property("bench_pointer"));
    }
}

// The menu's items, made when the first frame has been shown or the menu is first opened,
// whichever comes first: the bench comes before a menu that is hidden.
void Worksheet::build_menu() {
    if (menu_built_) return;
    menu_built_ = true;
    const LessonCaptions& c = kCaptions;
    // The menu's items, numbered as the page's menu_choice takes them.
    texts_ = {c.copy_picture, c.save_png, c.save_svg, c.copy_link};
    for (const LessonActionRow& row : keyed_actions()) texts_.push_back(row.caption);
    texts_.push_back(c.projector_look);
    const val document = val::global("document");
    const auto add = [&](int i) {
        val item = document.call<val>("createElement", val("button"));
        item.set("type", "button");
        item.set("tabIndex", -1);
        // The lesson's items that turn a mode on and off become checkboxes when first shown.
        item.call<void>("setAttribute", val("role"), val("menuitem"));
        item.call<void>("addEventListener", val("click"),
                        val::module_property("menu_choice").call<val>("bind", val::null(), i));
        menu_.call<void>("appendChild", item);
        return item;
    };
    for (int i = 0; i < static_cast<int>(texts_.size()); ++i) add(i);
    items_of(menu_)[kLookChoice].call<void>("setAttribute", val("role"), val("menuitemcheckbox"));
    // The languages, under a heading a reader of none of them still finds ("... / Language"),
    // each named in its own language and marked as such for the voice and the glyphs.
    languages_heading_ = document.call<val>("createElement", val("div"));
    languages_heading_.call<void>("setAttribute", val("role"), val("presentation"));
    languages_heading_["style"].set("cssText",
                                    "padding: 4px 18px 2px; color: #6b6b6b; "
                                    "border-top: 1px solid #c0c0c0; margin-top: 3px");
    menu_.call<void>("appendChild", languages_heading_);
    for (std::size_t i = 0; i < kLanguages.size(); ++i) {
        val item = add(kFirstLanguageChoice + static_cast<int>(i));
        item.call<void>("setAttribute", val("role"), val("menuitemradio"));
        item.call<void>("setAttribute", val("lang"), val(std::string(kLanguages[i].tag)));
        item.set("textContent", std::string(kLanguages[i].name));
    }
    // Nine languages more: on a phone held sideways the menu scrolls rather than leave the
    // viewport (its height set where it opens).
    menu_["style"].set("overflowY", "auto");
    menu_["style"].set("boxSizing", "border-box");
    relabel();
    show_menu_state();
}

const Language* Worksheet::language(int choice) {
    const int i = choice - kFirstLanguageChoice;
    return i >= 0 && i < static_cast<int>(kLanguages.size())
               ? &kLanguages[static_cast<std::size_t>(i)]
               : nullptr;
}

void Worksheet::relabel() {
    if (!menu_built_) return;  // made in the language of its time
    menu_.call<void>("setAttribute", val("aria-label"), val(translated(kCaptions.bench_menu)));
    const val items = items_of(menu_);
    for (std::size_t i = 0; i < texts_.size(); ++i) {
        items[static_cast<int>(i)].set("textContent", translated(texts_[i]));
    }
    languages_heading_.set("textContent", language_word());
    for (std::size_t i = 0; i < kLanguages.size(); ++i) {
        items[kFirstLanguageChoice + static_cast<int>(i)].call<void>(
            "setAttribute", val("aria-checked"),
            val(&kLanguages[i] == &current_language() ? "true" : "false"));
    }
}

void Worksheet::paint_picture(Session& s) {
    // The bench's surface inside its sunken border, as the window's picture has it.
    const Rect bench = bench_canvas_box(s.window()[Window::ids::bench_area]);
    picture().resize(bench.width, bench.height, 1);
    picture().paint(s.bench_drawing());
}

void Worksheet::copy(Session& s) {
    const val navigator = val::global("navigator");
    const val clipboard = navigator["clipboard"];
    const val item_type = val::global("ClipboardItem");
    if (clipboard.isUndefined() || clipboard["write"].isUndefined() || item_type.isUndefined()) {
        notice_.tell(translated(kCopyRefused));
        return;
    }
    paint_picture(s);
    val types = val::object();
    types.set("image/png", val::global("Promise").new_(val::module_property("png_blob")));
    // The drawing too, where the browser's clipboard takes SVG; a word processor or a drawing
    // program then takes whichever it prefers.
    const val supports = item_type["supports"];
    if (!supports.isUndefined() && item_type.call<bool>("supports", val("image/svg+xml"))) {
        val parts = val::array();
        parts.call<void>("push", val(s.bench_svg(page_svg_look())));
        val options = val::object();
        options.set("type", "image/svg+xml");
        types.set("image/svg+xml", val::global("Blob").new_(parts, options));
    }
    val items = val::array();
    items.call<void>("push", item_type.new_(types));
    clipboard.call<val>("write", items).call<void>("catch", val::module_property("copy_refused"));
}

// Its own canvas, made when a picture is first asked for rather than at start.
BenchCanvas& Worksheet::picture() {
    if (!picture_)
        picture_.emplace(val::global("document").call<val>("createElement", val("canvas")));
    return *picture_;
}

void Worksheet::png_blob(const val& resolve) {
    picture().canvas().call<void>("toBlob", resolve, val("image/png"));
}

void Worksheet::save(Session& s, Format format) {
    if (format == Format::png) {
        paint_picture(s);
        download(picture().canvas().call<val>("toDataURL", val("image/png")), kPngName);
        return;
    }
    const std::string text =
        val::global("encodeURIComponent")(val(s.bench_svg(page_svg_look()))).as<std::string>();
    download(val("data:image/svg+xml;charset=utf-8," + text), kSvgName);
}

void Worksheet::open_menu(double x, double y) {
    cancel_press();
    build_menu();
    if (!menu_open()) return_focus_ = val::global("document")["activeElement"];
    menu_.set("hidden", false);
    // Where the pointer is, kept inside the viewport; the menu key gives no point, so the menu
    // opens at the bench's corner.
    const val root = val::global("document")["documentElement"];
    if (x == 0 && y == 0) {
        const val box = bench_.call<val>("getBoundingClientRect");
        x = box["left"].as<double>() + 8;
        y = box["top"].as<double>() + 8;
    }
    // The viewport's height as shown, which a phone's 100vh is not while its address bar is.
    menu_["style"].set("maxHeight", std::to_string(root["clientHeight"].as<int>()) + "px");
    const double width = menu_["offsetWidth"].as<double>(),
                 height = menu_["offsetHeight"].as<double>();
    x = std::max(0.0, std::min(x, root["clientWidth"].as<double>() - width));
    y = std::max(0.0, std::min(y, root["clientHeight"].as<double>() - height));
    menu_["style"].set("left", std::to_string(std::lround(x)) + "px");
    menu_["style"].set("top", std::to_string(std::lround(y)) + "px");
    items_of(menu_)[0].call<void>("focus");
}

void Worksheet::close_menu(bool give_back_focus) {
    if (!menu_open()) return;
    menu_.set("hidden", true);
    val back = std::exchange(return_focus_, val::undefined());
    if (give_back_focus && !back.isUndefined() && !back.isNull() &&
        back["isConnected"].as<bool>()) {
        back.call<void>("focus");
    }
}

bool Worksheet::menu_open() const {
    return !menu_["hidden"].as<bool>();
}

bool Worksheet::in_menu(const val& node) const {
    return menu_open() && !node.isNull() && !node.isUndefined() &&
           menu_.call<bool>("contains", node);
}

// Up and down go round the items, Home and End to the first and last; Escape and Tab leave.
void Worksheet::menu_key(const val& event) {
    const std::string key = event["key"].as<std::string>();
    const val items = items_of(menu_);
    const int count = items["length"].as<int>();
    int at = 0;
    for (int i = 0; i < count; ++i) {
        if (items[i].strictlyEquals(val::global("document")["activeElement"])) at = i;
    }
    int to = -1;
    if (key == "ArrowDown") to = (at + 1) % count;
    if (key == "ArrowUp") to = (at + count - 1) % count;
    if (key == "Home") to = 0;
    if (key == "End") to = count - 1;
    if (to >= 0) {
        event.call<void>("preventDefault");
        items[to].call<void>("focus");
    } else if (key == "Escape" || key == "Tab") {
        event.call<void>("preventDefault");
        close_menu(true);
    }
}

void Worksheet::menu_focusout(const val& event) {
    if (!in_menu(event["relatedTarget"])) close_menu(false);
}

void Worksheet::bench_pointer(const val& event) {
    const std::string type = event["type"].as<std::string>();
    if (type == "pointerdown") {
        cancel_press();
        long_pressed_ = false;
        if (event["pointerType"].as<std::string>() == "mouse") return;
        press_x_ = event["clientX"].as<double>();
        press_y_ = event["clientY"].as<double>();
        press_timer_.start(kLongPressMilliseconds);
    } else if (type == "pointermove") {
        if (std::hypot(event["clientX"].as<double>() - press_x_,
                       event["clientY"].as<double>() - press_y_) > kLongPressSlack) {
            cancel_press();
        }
    } else if (type == "touchend") {
        // The finger lifted from a long press would otherwise come as a click, which would
        // close the menu just opened under it, or choose from it.
        if (std::exchange(long_pressed_, false)) event.call<void>("preventDefault");
    } else {
        cancel_press();
    }
}

void Worksheet::long_press() {
    press_timer_.fired();
    long_pressed_ = true;
    open_menu(press_x_, press_y_);
}

void Worksheet::cancel_press() {
    press_timer_.stop();
}

void Worksheet::cancel_long_press() {
    cancel_press();
    long_pressed_ = false;
}

void Worksheet::refused() {
    notice_.tell(translated(kCopyRefused));
}

void Worksheet::copy_text(const std::string& text) {
    const val clipboard = val::global("navigator")["clipboard"];
    if (clipboard.isUndefined() || clipboard["writeText"].isUndefined()) {
        notice_.tell(translated(kTextRefused));
        return;
    }
    clipboard.call<val>("writeText", val(text))
        .call<void>("catch", val::module_property("text_copy_refused"));
}

void Worksheet::text_refused() {
    notice_.tell(translated(kTextRefused));
}

void Worksheet::show_menu_state(const Session& s) {
    std::vector<Availability> now;
    for (const LessonActionRow& row : keyed_actions()) now.push_back(s.availability(row.action));
    const auto same = [](const Availability& a, const Availability& b) {
        return a.enabled == b.enabled && a.checked == b.checked && a.why_not == b.why_not;
    };
    const bool projector = s.look() == BenchLook::projector;
    if (std::equal(now.begin(), now.end(), menu_shown_.begin(), menu_shown_.end(), same) &&
        projector == projector_shown_) {
        return;
    }
    menu_shown_ = std::move(now);
    projector_shown_ = projector;
    show_menu_state();
}

void Worksheet::show_menu_state() {
    if (!menu_built_) return;
    const std::vector<LessonActionRow> rows = keyed_actions();
    const val items = items_of(menu_);
    items[kLookChoice].call<void>("setAttribute", val("aria-checked"),
                                  val(projector_shown_ ? "true" : "false"));
    for (std::size_t i = 0; i < rows.size() && i < menu_shown_.size(); ++i) {
        const Availability& now = menu_shown_[i];
        const val item = items[static_cast<int>(i) + kFirstLessonChoice];
        const auto set = [&item](const char* name, bool on) {
            item.call<void>("setAttribute", val(name), val(on ? "true" : "false"));
        };
        set("aria-disabled", !now.enabled);
        if (now.enabled) {
            item.call<void>("removeAttribute", val("title"));
        } else {
            item.call<void>("setAttribute", val("title"), val(translated(now.why_not)));
        }
        if (rows[i].toggles) {
            item.call<void>("setAttribute", val("role"), val("menuitemcheckbox"));
            set("aria-checked", now.checked.value_or(false));
        }
    }
}

void Worksheet::stop() {
    cancel_press();
    close_menu(false);
}

}  // namespace korru::web
