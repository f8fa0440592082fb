// SPDX-License-Identifier: MIT
// One catalogue, English, looked up text by text; Japanese needs none.
#include "web/language.h"

#include <emscripten/val.h>

#include <algorithm>
#include <cctype>

#include "web/english.h"

namespace korru::web {

namespace {

using emscripten::val;

bool in_english = false;

// "en", "en-GB", "EN-us": English. "eo", "ja", "" are not.
bool is_english(std::string tag) {
    std::transform(tag.begin(), tag.end(), tag.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return tag.rfind("en", 0) == 0 && (tag.size() == 2 || tag[2] == '-');
}

}  // namespace

void use_browser_language() {
    const val navigator = val::global("navigator");
    const val languages = navigator["languages"];
    val first = val::undefined();
    if (!languages.isUndefined() && !languages.isNull() && languages["length"].as<int>() > 0) {
        first = languages[0];
    } else {
        first = navigator["language"];
    }
    in_english = first.isString() && is_english(first.as<std::string>());
    val::global("document")["documentElement"].set("lang", in_english ? "en" : "ja");
}

std::string translated(std::string_view text) {
    if (in_english) {
        for (const auto& [source, translation] : kEnglish) {
            if (source == text) return std::string(translation);
        }
    }
    return std::string(text);
}

}  // namespace korru::web
