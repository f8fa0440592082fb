// SPDX-License-Identifier: MIT
// Tags read as BCP 47 writes them, case and "-" or "_" as they come.
#include "lesson/languages.h"

#include <algorithm>
#include <cctype>

namespace korru {

namespace {

// "zh_Hans_CN" as {"zh", "hans", "cn"}.
std::vector<std::string> subtags(std::string_view tag) {
    std::vector<std::string> parts(1);
    for (const char c : tag) {
        if (c == '-' || c == '_') {
            parts.emplace_back();
        } else {
            parts.back() += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return parts;
}

const Language* coded(std::string_view code) {
    for (const Language& l : kLanguages) {
        if (l.code == code) return &l;
    }
    return nullptr;
}

}  // namespace

const Language* language_of_tag(std::string_view tag) {
    const std::vector<std::string> parts = subtags(tag);
    const std::string& primary = parts.front();
    if (primary == "pt") return coded("pt_BR");
    if (primary == "tl" || primary == "fil") return coded("fil");
    if (primary == "zh") {
        for (std::size_t i = 1; i < parts.size(); ++i) {
            const std::string& p = parts[i];
            if (p == "hant" || p == "tw" || p == "hk" || p == "mo") return nullptr;
        }
        return coded("zh_CN");
    }
    if (primary.size() < 2 || primary.size() > 3) return nullptr;
    return coded(primary);
}

const Language& preferred_language(const std::vector<std::string>& tags) {
    for (const std::string& tag : tags) {
        if (const Language* l = language_of_tag(tag)) return *l;
    }
    return japanese();
}

const Language& starting_language(std::string_view link, std::string_view remembered,
                                  const std::vector<std::string>& preferred) {
    if (const Language* l = language_in_link(link)) return *l;
    if (const Language* l = remembered.empty() ? nullptr : language_of_tag(remembered)) return *l;
    return preferred_language(preferred);
}

std::string language_menu_word(const std::function<std::string(std::string_view)>& translate,
                               const Language& shown) {
    std::string word = translate(kLanguageWord);
    if (shown.code != "en") word += " / Language";
    return word;
}

const Language* language_in_link(std::string_view link) {
    link = link.substr(0, link.find('#'));
    const std::size_t question = link.find('?');
    if (question == std::string_view::npos) return nullptr;
    std::string_view query = link.substr(question + 1);
    while (!query.empty()) {
        const std::size_t amp = query.find('&');
        const std::string_view pair = query.substr(0, amp);
        if (pair.substr(0, 5) == "lang=") return language_of_tag(pair.substr(5));
        if (amp == std::string_view::npos) break;
        query.remove_prefix(amp + 1);
    }
    return nullptr;
}

std::string link_in_language(std::string_view address, const Language& language) {
    address = address.substr(0, address.find('#'));
    const std::size_t question = address.find('?');
    std::string out(address.substr(0, question));
    std::string query;
    if (question != std::string_view::npos) {
        std::string_view rest = address.substr(question + 1);
        while (!rest.empty()) {
            const std::size_t amp = rest.find('&');
            const std::string_view pair = rest.substr(0, amp);
            if (!pair.empty() && pair.substr(0, 5) != "lang=") {
                query += std::string(pair) + "&";
            }
            if (amp == std::string_view::npos) break;
            rest.remove_prefix(amp + 1);
        }
    }
    return out + "?" + query + "lang=" + std::string(language.tag);
}

int plural_form(const Language& language, unsigned long n) {
    const std::string_view code = language.code;
    if (code == "en" || code == "es" || code == "ne") return n == 1 ? 0 : 1;
    if (code == "pt_BR" || code == "fil") return n <= 1 ? 0 : 1;
    return 0;
}

std::string counted_as_written(std::string_view text, unsigned long n) {
    std::string out(text);
    const std::string number = std::to_string(n);
    for (std::size_t at = out.find("%n"); at != std::string::npos; at = out.find("%n", at)) {
        out.replace(at, 2, number);
        at += number.size();
    }
    return out;
}

}  // namespace korru
