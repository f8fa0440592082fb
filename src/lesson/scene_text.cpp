// SPDX-License-Identifier: MIT
// Scene texts written and read.
#include "lesson/scene_text.h"

#include <algorithm>

namespace korru {

namespace {

constexpr std::string_view kUnknown = "場面の「%1」が読めないため、はじめの状態から始めます。";
constexpr std::string_view kBadCount =
    "場面の「%1」の回数が読めないため、はじめの状態から始めます。";
constexpr std::string_view kTooMany = "場面のクリックが多すぎるため、はじめの状態から始めます。";

constexpr std::size_t kShownPart = 40;

bool is_space(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The part as it may be shown: cut to kShownPart bytes, not inside a UTF-8 character.
std::string shown(std::string_view part) {
    if (part.size() <= kShownPart) return std::string(part);
    std::size_t end = kShownPart;
    while (end > 0 && (static_cast<unsigned char>(part[end]) & 0xC0) == 0x80) --end;
    return std::string(part.substr(0, end)) + "…";
}

SceneRead fault(SceneFault f, std::string_view part = {}) {
    return {{}, f, shown(part)};
}

}  // namespace

std::string scene_text(const std::vector<Step>& steps, BenchLook look) {
    std::string out(look == BenchLook::projector ? kProjectorPart : "");
    for (std::size_t i = 0; i < steps.size();) {
        std::size_t run = 1;
        while (i + run < steps.size() && steps[i + run] == steps[i]) ++run;
        if (!out.empty()) out += '.';
        out += step_name(steps[i]);
        if (run > 1) out += '*' + std::to_string(run);
        i += run;
    }
    return out;
}

SceneRead read_scene(std::string_view text) {
    if (text.size() > kLongestSceneText) return fault(SceneFault::too_long);
    while (!text.empty() && is_space(text.front())) text.remove_prefix(1);
    while (!text.empty() && is_space(text.back())) text.remove_suffix(1);
    // A link to the page: its scene is what follows the "#".
    if (const auto hash = text.find('#'); hash != std::string_view::npos) {
        text.remove_prefix(hash + 1);
    }
    // A link may escape any character: "%28" is "(".
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            plain += text[i];
            continue;
        }
        const int high = i + 2 < text.size() ? hex_digit(text[i + 1]) : -1;
        const int low = high >= 0 ? hex_digit(text[i + 2]) : -1;
        if (low < 0) return fault(SceneFault::bad_escape, text.substr(i, 3));
        plain += static_cast<char>(high * 16 + low);
        i += 2;
    }
    SceneRead read;
    if (plain.empty()) return read;
    std::string_view rest = plain;
    while (true) {
        const std::size_t dot = rest.find('.');
        const std::string_view part = rest.substr(0, dot);
        const std::size_t star = part.find('*');
        const std::string_view name = part.substr(0, star);
        if (part == kProjectorPart) {
            read.projector = true;
            if (dot == std::string_view::npos) break;
            rest.remove_prefix(dot + 1);
            continue;
        }
        const auto step = step_from_name(name);
        if (!step) return fault(SceneFault::unknown_click, part);
        std::size_t count = 1;
        if (star != std::string_view::npos) {
            const std::string_view digits = part.substr(star + 1);
            count = 0;
            if (digits.empty() || digits.size() > 6 || digits.front() == '0' ||
                !std::all_of(digits.begin(), digits.end(),
                             [](char d) { return d >= '0' && d <= '9'; })) {
                return fault(SceneFault::bad_count, part);
            }
            for (char d : digits) count = count * 10 + static_cast<std::size_t>(d - '0');
        }
        if (read.steps.size() + count > kMostSceneClicks) return fault(SceneFault::too_many);
        read.steps.insert(read.steps.end(), count, *step);
        if (dot == std::string_view::npos) break;
        rest.remove_prefix(dot + 1);
    }
    return read;
}

std::string scene_fault_text(const SceneRead& read, const Translate& translate) {
    std::string_view text;
    switch (read.fault) {
        case SceneFault::none:
            return {};
        case SceneFault::unknown_click:
        case SceneFault::bad_escape:
            text = kUnknown;
            break;
        case SceneFault::bad_count:
            text = kBadCount;
            break;
        case SceneFault::too_many:
        case SceneFault::too_long:
            text = kTooMany;
            break;
    }
    return with_numbers(translate(text), {read.part});
}

std::vector<std::string_view> scene_texts() {
    return {kUnknown, kBadCount, kTooMany};
}

}  // namespace korru
