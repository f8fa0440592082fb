// SPDX-License-Identifier: MIT
// The lesson's bar on the page. Its buttons are written again as one piece of HTML when the bar
// changes, and a button that had the focus gives it to the one in its place ("predict" becomes
// "show the answer" where it was), so that the focus and a finger stay where they were. One
// listener on the bar takes every button's click, by the button's place.
#include "web/lesson_area.h"

#include <string>
#include <utility>

#include "lesson/flow.h"
#include "web/css.h"
#include "web/language.h"

namespace korru::web {

using emscripten::val;

namespace {

// A text in an element's content or an attribute's quoted value.
void escaped(std::string& out, std::string_view text) {
    for (char c : text) {
        out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '"' ? "&quot;" : std::string(1, c);
    }
}

std::string buttons_html(const LessonBar& bar, bool notebook_open) {
    std::string out;
    for (std::size_t i = 0; i < bar.buttons.size(); ++i) {
        const BarButton& b = bar.buttons[i];
        out += "<button type=\"button\" data-slot=\"" + std::to_string(i) + "\" data-action=\"" +
               std::to_string(static_cast<int>(b.action)) + '"';
        // A button not to be used now still answers a tap: the session says why not, which its
        // title says too.
        if (!b.enabled) {
            out += " aria-disabled=\"true\" title=\"";
            escaped(out, b.why_not);
            out += '"';
        }
        // One that turns a mode on and off is heard as pressed or not.
        if (action_row(b.action).toggles)
            out += b.pressed ? " aria-pressed=\"true\"" : " aria-pressed=\"false\"";
        if (b.action == LessonAction::open_notebook) {
            out += notebook_open ? " aria-controls=\"notebook\" aria-expanded=\"true\""
                                 : " aria-controls=\"notebook\" aria-expanded=\"false\"";
        }
        out += '>';
        escaped(out, b.caption);
        out += "</button>";
    }
    return out;
}

}  // namespace

LessonArea::LessonArea(val section)
    : section_(std::move(section)),
      buttons_(section_.call<val>("querySelector", val(".buttons"))),
      status_(section_.call<val>("querySelector", val(".status"))) {
    section_.call<void>("setAttribute", val("aria-label"), val(translated(kCaptions.lesson_bar)));
    buttons_.call<void>("addEventListener", val("click"), val::module_property("bar_click"));
    section_.set("hidden", false);
}

void LessonArea::relabel() {
    section_.call<void>("setAttribute", val("aria-label"), val(translated(kCaptions.lesson_bar)));
}

bool LessonArea::show(const LessonBar& bar, bool notebook_open) {
    bool resized = false;
    if (bar.status != status_shown_) {
        status_.set("textContent", bar.status);
        status_shown_ = bar.status;
        resized = true;
    }
    std::string html = buttons_html(bar, notebook_open);
    if (html == html_shown_) return resized;
    const val focused = val::global("document")["activeElement"];
    const val at =
        buttons_.call<bool>("contains", focused) ? focused["dataset"]["slot"] : val::undefined();
    buttons_.set("innerHTML", html);
    html_shown_ = std::move(html);
    actions_.clear();
    for (const BarButton& b : bar.buttons) actions_.push_back(b.action);
    if (!at.isUndefined()) {
        const int slot = std::min(val::global("Number")(at).as<int>(), slots() - 1);
        if (slot >= 0) buttons_["children"][slot].call<void>("focus");
    }
    return true;
}

val LessonArea::button(LessonAction a) const {
    for (std::size_t i = 0; i < actions_.size(); ++i) {
        if (actions_[i] == a) return buttons_["children"][static_cast<int>(i)];
    }
    return val::undefined();
}

void LessonArea::set_width(double width, bool column, double most) {
    section_["style"].set("width", css_pixels(width));
    const val classes = section_["classList"];
    classes.call<void>("toggle", val("column"), column);
    classes.call<void>("remove", val("pairs"));
    // Its whole height, where the viewport would cut it.
    if (column && section_["scrollHeight"].as<double>() > most) {
        classes.call<void>("add", val("pairs"));
    }
}

double LessonArea::height() const {
    return section_["offsetHeight"].as<double>();
}

void LessonArea::place(const CssBox& box) {
    section_["style"].set("left", css_pixels(box.left));
    section_["style"].set("top", css_pixels(box.top));
}

void LessonArea::stop() {
    const val children = buttons_["children"];
    for (int i = 0; i < children["length"].as<int>(); ++i) children[i].set("disabled", true);
}

bool LessonArea::set_text_pixels(int pixels) {
    if (pixels == text_pixels_) return false;
    text_pixels_ = pixels;
    section_["style"].set("fontSize", pixels > 0 ? std::to_string(pixels) + "px" : std::string());
    return true;
}

}  // namespace korru::web
