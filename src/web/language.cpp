// SPDX-License-Identifier: MIT
// The catalogues as the build made them (catalogues.h): the English looked up at once, any other
// unpacked by the browser's DecompressionStream when chosen and kept for the rest of the visit.
#include "web/language.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <map>
#include <utility>
#include <vector>

#include "web/catalogues.h"
#include "web/fonts.h"
#include "window/caption_font.h"

namespace korru::web {

namespace {

using emscripten::val;

const char* const kStorageKey = "korru.language";

const Language* shown_language = &japanese();
const Language* wanted_language = nullptr;                      // being unpacked
std::map<std::string_view, std::vector<std::string>> unpacked;  // by code, as kSources
const std::vector<std::string>* shown_catalogue = nullptr;
std::function<void()> when_shown;

const Language& by_code(std::string_view code) {
    for (const Language& l : kLanguages) {
        if (l.code == code) return l;
    }
    return japanese();
}

// The browser's storage, where it lets the page have it: a page opened from a file, or with
// its storage turned off, may throw on the mere asking.
val storage() {
    return val::global("Function")
        .new_(val("try { return window.localStorage; } catch (e) { return null; }"))
        .call<val>("call");
}

std::string kept_language() {
    const val s = storage();
    if (s.isNull() || s.isUndefined()) return {};
    const val kept = s.call<val>("getItem", val(kStorageKey));
    return kept.isString() ? kept.as<std::string>() : std::string();
}

void keep_language(const Language& l) {
    val::global("Function")
        .new_(val("key"), val("tag"),
              val("try { window.localStorage.setItem(key, tag); } catch (e) {}"))
        .call<void>("call", val::null(), val(kStorageKey), val(std::string(l.tag)));
}

// The address in the browser's bar keeps the language the link gave it, changed to the one
// chosen, so that reloading the page keeps the choice; a page whose address had none keeps
// its address.
void mark_address(const Language& l) {
    const std::string href = val::global("location")["href"].as<std::string>();
    if (!language_in_link(href)) return;
    const std::size_t hash = href.find('#');
    const std::string address =
        link_in_language(href, l) + (hash == std::string::npos ? "" : href.substr(hash));
    val::global("Function")
        .new_(val("address"),
              val("try { history.replaceState(history.state, '', address); } catch (e) {}"))
        .call<void>("call", val::null(), val(address));
}

void show_language(const Language& l) {
    shown_language = &l;
    const auto found = unpacked.find(l.code);
    shown_catalogue = found == unpacked.end() ? nullptr : &found->second;
    val root = val::global("document")["documentElement"];
    root.set("lang", std::string(l.tag));
    root["style"].set("font", css_font(kDefaultFontPixels));
    if (when_shown) when_shown();
}

void unpack(const Language& l) {
    wanted_language = &l;
    if (unpacked.count(l.code)) {
        show_language(l);
        return;
    }
    for (const PackedCatalogue& p : kPacked) {
        if (p.code != l.code) continue;
        const val streams = val::global("DecompressionStream");
        if (streams.isUndefined()) return;  // an old browser: the words stay as they are
        const val bytes = val(emscripten::typed_memory_view(p.size, p.bytes)).call<val>("slice");
        val parts = val::array();
        parts.call<void>("push", bytes);
        const val stream = val::global("Blob").new_(parts).call<val>("stream").call<val>(
            "pipeThrough", streams.new_(val("deflate")));
        val::global("Response")
            .new_(stream)
            .call<val>("arrayBuffer")
            .call<void>("then", val::module_property("catalogue_read")
                                    .call<val>("bind", val::null(), val(std::string(l.code))));
        return;
    }
}

// An unpacked catalogue: its translations, each ended by a NUL, in the order of kSources.
void catalogue_read(const std::string& code, const val& buffer) {
    const val bytes = val::global("Uint8Array").new_(buffer);
    std::string text(bytes["length"].as<std::size_t>(), '\0');
    val(emscripten::typed_memory_view(text.size(), text.data())).call<void>("set", bytes);
    std::vector<std::string> translations;
    std::size_t from = 0;
    while (from < text.size()) {
        const std::size_t nul = text.find('\0', from);
        if (nul == std::string::npos) break;
        translations.push_back(text.substr(from, nul - from));
        from = nul + 1;
    }
    // A catalogue that is not the build's is not shown: its texts would fall on others.
    if (translations.size() != std::size(kSources)) return;
    const Language& l = by_code(code);
    unpacked[l.code] = std::move(translations);
    if (wanted_language == &l) show_language(l);
}

void use(const Language& l) {
    if (l.code == "ja" || l.code == "en") {
        wanted_language = &l;
        show_language(l);
    } else {
        unpack(l);
    }
}

}  // namespace

void use_browser_language() {
    const val navigator = val::global("navigator");
    const val languages = navigator["languages"];
    std::vector<std::string> tags;
    if (!languages.isUndefined() && !languages.isNull()) {
        for (int i = 0; i < languages["length"].as<int>(); ++i) {
            if (languages[i].isString()) tags.push_back(languages[i].as<std::string>());
        }
    }
    if (tags.empty() && navigator["language"].isString()) {
        tags.push_back(navigator["language"].as<std::string>());
    }
    const Language* chosen = &starting_language(val::global("location")["href"].as<std::string>(),
                                                kept_language(), tags);
    // The page starts in Japanese or English at once; another language follows when unpacked.
    val::global("document")["documentElement"].set("lang",
                                                   std::string(chosen->code == "en" ? "en" : "ja"));
    if (chosen->code == "en") shown_language = chosen;
    if (chosen->code != "ja" && chosen->code != "en") unpack(*chosen);
}

void choose_language(const Language& language) {
    keep_language(language);
    mark_address(language);
    use(language);
}

const Language& current_language() {
    return *shown_language;
}

void on_language_shown(std::function<void()> shown) {
    when_shown = std::move(shown);
}

std::string language_word() {
    return language_menu_word(translated, *shown_language);
}

std::string_view font_families() {
    const std::string_view code = shown_language->code;
    if (code == "zh_CN") {
        return "'Noto Sans CJK SC', 'Source Han Sans SC', 'Noto Sans SC', 'Microsoft YaHei', "
               "'PingFang SC', 'Hiragino Sans GB', sans-serif";
    }
    if (code == "ko") {
        return "'Noto Sans CJK KR', 'Source Han Sans KR', 'Noto Sans KR', 'Malgun Gothic', "
               "'Apple SD Gothic Neo', sans-serif";
    }
    if (code == "ne") {
        return "'Noto Sans Devanagari', 'Nirmala UI', 'Kohinoor Devanagari', "
               "'Devanagari Sangam MN', Mangal, 'Noto Sans', sans-serif";
    }
    if (code == "vi") return "'Noto Sans', 'Segoe UI', Roboto, 'Helvetica Neue', Arial, sans-serif";
    return kFontFamilies;
}

std::string translated(std::string_view text) {
    if (shown_language->code == "ja") return std::string(text);
    for (std::size_t i = 0; i < std::size(kSources); ++i) {
        if (kSources[i] != text) continue;
        const std::string_view t =
            shown_catalogue ? std::string_view((*shown_catalogue)[i]) : kEnglish[i];
        return std::string(t.empty() ? text : t);
    }
    return std::string(text);
}

std::string counted(std::string_view text, unsigned long n) {
    // A catalogue holds a counted text's forms in one entry, kFormBetween between them; a form
    // it lacks reads as its first.
    const std::string all = translated(text);
    std::vector<std::string_view> forms;
    for (std::string_view rest = all;;) {
        const std::size_t end = rest.find(kFormBetween);
        forms.push_back(rest.substr(0, end));
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 1);
    }
    const auto wanted = static_cast<std::size_t>(plural_form(*shown_language, n));
    return counted_as_written(forms[wanted < forms.size() ? wanted : 0], n);
}

EMSCRIPTEN_BINDINGS(korru_language) {
    emscripten::function("catalogue_read", &catalogue_read);
}

}  // namespace korru::web
