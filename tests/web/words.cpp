// SPDX-License-Identifier: MIT
// korru_words LANGUAGE WxH CLICK...: what the desktop window says after those clicks, in one of
// its languages (a code or tag: ja, en, pt_BR, ko, ...) and through its own catalogue: each
// control's caption, accessible name and description, the scene as the bench describes it, and
// the page's bench menu's words before its languages. JSON, for the page's tests to compare.
#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "bench/description.h"
#include "commands/commands.h"
#include "commands/startup.h"
#include "lesson/captions.h"
#include "lesson/flow.h"
#include "lesson/languages.h"
#include "view/language.h"

namespace {

using namespace korru;

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int width = 0, height = 0;
    if (argc < 3 || std::sscanf(argv[2], "%dx%d", &width, &height) != 2) {
        std::cerr << "usage: korru_words LANGUAGE WxH CLICK...\n";
        return 2;
    }
    const Language* language = language_of_tag(argv[1]);
    if (!language) {
        std::cerr << "korru_words: no language " << argv[1] << "\n";
        return 2;
    }
    view::use_language(*language);
    Window w;
    start_up(w, ScreenSize::from_pixels(width, height));
    for (int i = 3; i < argc; ++i) {
        const auto c = click_from_name(argv[i]);
        if (!c) {
            std::cerr << "korru_words: no click " << argv[i] << "\n";
            return 2;
        }
        click(w, *c);
    }
    // As the window sets them: a name in words where the item has one, else its caption.
    std::cout << "{\"scene\": " << quoted(describe_scene(w, view::translated_utf8))
              << ", \"items\": {";
    const char* comma = "";
    for (std::size_t id = 0; id < kItemCount; ++id) {
        const ItemDef& def = kItems[id];
        const std::string caption = view::translated_utf8(w.items[id].caption);
        std::cout << comma << "\n  " << quoted(item_label(def))
                  << ": {\"caption\": " << quoted(caption) << ", \"name\": "
                  << quoted(def.speech.empty() ? caption : view::translated_utf8(def.speech))
                  << ", \"description\": "
                  << quoted(def.hint.empty() ? "" : view::translated_utf8(def.hint)) << "}";
        comma = ",";
    }
    std::cout << "}, \"menu\": [";
    const LessonCaptions& c = kCaptions;
    std::vector<std::string_view> menu{c.copy_picture, c.save_png, c.save_svg, c.copy_link};
    for (const LessonActionRow& row : keyed_actions()) menu.push_back(row.caption);
    menu.push_back(c.projector_look);
    comma = "";
    for (const std::string_view text : menu) {
        std::cout << comma << quoted(view::translated_utf8(text));
        comma = ", ";
    }
    std::cout << "]}\n";
    return 0;
}
