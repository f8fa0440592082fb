// SPDX-License-Identifier: MIT
// The notebook's rows in the forms they leave the program in.
#include "lesson/notebook.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace korru {

namespace {

constexpr std::array<std::string_view, 9> kHeadings{"像",
                                                    "光源の距離 (マス)",
                                                    "光源の高さ (マス)",
                                                    "焦点距離 (マス)",
                                                    "像の距離 (マス)",
                                                    "像の側",
                                                    "像の高さ (マス)",
                                                    "倍率",
                                                    "像の向き"};
constexpr std::string_view kReal = "実像", kVirtual = "虚像", kNone = "なし";
constexpr std::string_view kRightOfLens = "レンズの右", kCandleSide = "光源の側";
constexpr std::string_view kInverted = "倒立", kUpright = "正立";
constexpr std::string_view kCellJoin = "、";

// What a face keeps: a first line, then one line a row, the case and six numbers, each number
// the eight hexadecimal digits of its single-precision bits, so that nothing is rounded.
static_assert(sizeof(float) == sizeof(std::uint32_t));
constexpr std::string_view kStoredFirstLine = "korru notebook 1";
constexpr std::array<std::string_view, 3> kStoredCases{"real", "virtual", "none"};

// A CSV field, quoted where it must be.
std::string field(const std::string& cell) {
    if (cell.find_first_of(",\"\r\n") == std::string::npos) return cell;
    std::string out = "\"";
    for (char c : cell) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

std::string joined(const std::vector<std::string>& cells, std::string_view between, bool csv) {
    std::string out;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i) out += between;
        out += csv ? field(cells[i]) : cells[i];
    }
    return out;
}

std::string lines(const Notebook& n, const Translate& translate, std::string_view between,
                  std::string_view end, bool csv) {
    std::string out = joined(headings(translate), between, csv);
    out += end;
    for (const Measurement& m : n.rows()) {
        out += joined(cells(m, translate), between, csv);
        out += end;
    }
    return out;
}

bool hex_bits(std::string_view text, float& value) {
    if (text.size() != 8) return false;
    std::uint32_t bits = 0;
    for (char c : text) {
        int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (d < 0) return false;
        bits = bits << 4 | static_cast<std::uint32_t>(d);
    }
    std::memcpy(&value, &bits, sizeof value);
    return std::isfinite(value);
}

}  // namespace

Measurement measure(const Window& w) {
    const SceneFacts f = scene_facts(w);
    Measurement m;
    m.image = f.image;
    m.candle_distance = f.source_distance;
    m.candle_height = w[Window::ids::source].height / w.bench.unit;
    m.focal_length = f.focal_length;
    if (f.image != ImageCase::none) {
        m.image_distance = f.image_distance;
        m.magnification = f.magnification;
        const Item& image =
            w[f.image == ImageCase::real ? Window::ids::real_image : Window::ids::virtual_image];
        m.image_height = image.height / w.bench.unit;
    }
    return m;
}

std::vector<std::string> headings(const Translate& translate) {
    std::vector<std::string> out;
    for (std::string_view h : kHeadings) out.push_back(translate(h));
    return out;
}

std::vector<std::string> cells(const Measurement& m, const Translate& translate) {
    const bool real = m.image == ImageCase::real, none = m.image == ImageCase::none;
    std::vector<std::string> out{translate(real   ? kReal
                                           : none ? kNone
                                                  : kVirtual),
                                 spoken_number(m.candle_distance), spoken_number(m.candle_height),
                                 spoken_number(m.focal_length)};
    if (none) {
        out.resize(kHeadings.size());
        return out;
    }
    out.push_back(spoken_number(m.image_distance));
    out.push_back(translate(real ? kRightOfLens : kCandleSide));
    out.push_back(spoken_number(m.image_height));
    out.push_back(spoken_number(m.magnification));
    out.push_back(translate(real ? kInverted : kUpright));
    return out;
}

std::string row_words(const Measurement& m, const Translate& translate) {
    const std::vector<std::string> h = headings(translate), c = cells(m, translate);
    std::string out;
    for (std::size_t i = 0; i < h.size(); ++i) {
        if (c[i].empty()) continue;
        if (!out.empty()) out += translate(kCellJoin);
        out += h[i] + " " + c[i];
    }
    return out;
}

std::string Notebook::csv(const Translate& translate) const {
    return "\xEF\xBB\xBF" + lines(*this, translate, ",", "\r\n", true);
}

std::string Notebook::tab_separated(const Translate& translate) const {
    return lines(*this, translate, "\t", "\n", false);
}

std::string Notebook::stored() const {
    std::string out(kStoredFirstLine);
    out += '\n';
    for (const Measurement& m : rows_) {
        out += kStoredCases[static_cast<std::size_t>(m.image)];
        for (float v : {m.candle_distance, m.candle_height, m.focal_length, m.image_distance,
                        m.image_height, m.magnification}) {
            char bits[16];
            std::uint32_t pattern;
            std::memcpy(&pattern, &v, sizeof pattern);
            std::snprintf(bits, sizeof bits, " %08x", static_cast<unsigned>(pattern));
            out += bits;
        }
        out += '\n';
    }
    return out;
}

std::optional<Notebook> Notebook::from_stored(std::string_view text) {
    const auto first_end = text.find('\n');
    if (text.substr(0, first_end) != kStoredFirstLine) return std::nullopt;
    Notebook n;
    std::string_view rest = first_end == std::string_view::npos ? "" : text.substr(first_end + 1);
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        if (end == std::string_view::npos) return std::nullopt;  // a line cut short
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end + 1);
        std::array<std::string_view, 7> words;
        for (std::string_view& word : words) {
            const auto space = line.find(' ');
            word = line.substr(0, space);
            line = space == std::string_view::npos ? "" : line.substr(space + 1);
        }
        if (!line.empty()) return std::nullopt;
        Measurement m;
        const auto kind = std::find(kStoredCases.begin(), kStoredCases.end(), words[0]);
        if (kind == kStoredCases.end()) return std::nullopt;
        m.image = static_cast<ImageCase>(kind - kStoredCases.begin());
        float* numbers[] = {&m.candle_distance, &m.candle_height, &m.focal_length,
                            &m.image_distance,  &m.image_height,  &m.magnification};
        for (std::size_t i = 0; i < 6; ++i) {
            if (!hex_bits(words[i + 1], *numbers[i])) return std::nullopt;
        }
        n.rows_.push_back(m);
    }
    return n;
}

std::vector<std::string_view> notebook_texts() {
    std::vector<std::string_view> out(kHeadings.begin(), kHeadings.end());
    out.insert(out.end(),
               {kReal, kVirtual, kNone, kRightOfLens, kCandleSide, kInverted, kUpright, kCellJoin});
    return out;
}

}  // namespace korru
