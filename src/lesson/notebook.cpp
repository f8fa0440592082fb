// SPDX-License-Identifier: MIT
// The notebook's rows in the forms they leave the program in, and read back.
#include "lesson/notebook.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <unordered_set>

namespace korru {

namespace {

// The columns: a short heading for the table, and the same in words with its unit, for the CSV
// and wherever there is room.
constexpr std::array<std::string_view, 10> kHeadings{"像",     "a",  "h",    "f",    "b",
                                                     "像の側", "h′", "倍率", "向き", "x"};
constexpr std::array<std::string_view, 10> kHeadingWords{"像",
                                                         "光源の距離 a (マス)",
                                                         "光源の高さ h (マス)",
                                                         "焦点距離 f (マス)",
                                                         "像の距離 b (マス、虚像は負)",
                                                         "像の側",
                                                         "像の高さ h′ (マス)",
                                                         "倍率",
                                                         "像の向き",
                                                         "スクリーンの位置 x (マス)"};
constexpr std::string_view kReal = "実像", kVirtual = "虚像", kNone = "なし";
constexpr std::string_view kRightOfLens = "レンズの右", kCandleSide = "光源の側";
constexpr std::string_view kInverted = "倒立", kUpright = "正立";
constexpr std::string_view kCellJoin = "、";

// What a face keeps: a first line, then one line a row: its id in sixteen hexadecimal digits,
// the case, and six numbers (a seventh, the pupil's screen, where there was one), each the eight
// hexadecimal digits of its single-precision bits, so that nothing is rounded. The first notebooks
// kept had no ids, and a virtual image's distance unsigned.
static_assert(sizeof(float) == sizeof(std::uint32_t));
constexpr std::string_view kStoredFirstLine = "korru notebook 2";
constexpr std::string_view kFirstVersionLine = "korru notebook 1";
constexpr std::array<std::string_view, 3> kStoredCases{"real", "virtual", "none"};

// What a bench makes: the candle from half a square to twenty from the lens, two squares high,
// a focal length of four or six squares; far fewer squares than these for an image.
constexpr float kNearest = 0.5f, kFarthest = 20, kCandleHeight = 2;
constexpr std::array<float, 2> kFocalLengths{4, 6};
constexpr float kLargestImage = 10000;

bool near(float value, float expected, float relative) {
    return std::fabs(value - expected) <= relative * std::fabs(expected) + 1e-3f;
}

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
    std::string out = joined(heading_words(translate), between, csv);
    out += end;
    for (const Measurement& m : n.rows()) {
        out += joined(cells(m, translate), between, csv);
        out += end;
    }
    return out;
}

template <typename Number>
bool hex_number(std::string_view text, Number& value) {
    if (text.size() != 2 * sizeof(Number)) return false;
    value = 0;
    for (char c : text) {
        const int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (d < 0) return false;
        value = static_cast<Number>(value << 4 | static_cast<Number>(d));
    }
    return true;
}

bool hex_float(std::string_view text, float& value) {
    std::uint32_t bits = 0;
    if (!hex_number(text, bits)) return false;
    std::memcpy(&value, &bits, sizeof value);
    return std::isfinite(value);
}

void append_hex(std::string& out, std::uint64_t value, int digits) {
    constexpr std::string_view kDigits = "0123456789abcdef";
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) out += kDigits[value >> shift & 15];
}

// One kept line as a row, or none where it is not one. A first-version line has no id.
std::optional<std::pair<RowId, Measurement>> stored_row(std::string_view line, bool with_id) {
    std::array<std::string_view, 9> words;
    std::size_t count = 0;
    for (; count < (with_id ? 9 : 7) && !line.empty(); ++count) {
        const auto space = line.find(' ');
        words[count] = line.substr(0, space);
        line = space == std::string_view::npos ? "" : line.substr(space + 1);
        if (space != std::string_view::npos && line.empty()) return std::nullopt;
    }
    if (!line.empty() || count < (with_id ? 8 : 7)) return std::nullopt;
    RowId id = 0;
    const std::string_view* word = words.data();
    if (with_id && (!hex_number(*word++, id) || id == 0)) return std::nullopt;  // 0 is no id
    Measurement m;
    const auto kind = std::find(kStoredCases.begin(), kStoredCases.end(), *word++);
    if (kind == kStoredCases.end()) return std::nullopt;
    m.image = static_cast<ImageCase>(kind - kStoredCases.begin());
    for (float* number : {&m.candle_distance, &m.candle_height, &m.focal_length, &m.image_distance,
                          &m.image_height, &m.magnification}) {
        if (!hex_float(*word++, *number)) return std::nullopt;
    }
    if (count == 9) {
        float screen = 0;
        if (!hex_float(*word, screen)) return std::nullopt;
        m.screen = screen;
    }
    if (!with_id && m.image == ImageCase::virtual_image) m.image_distance = -m.image_distance;
    if (!bench_can_make(m)) return std::nullopt;
    return std::pair{id, m};
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
        m.image_distance = f.image == ImageCase::real ? f.image_distance : -f.image_distance;
        m.magnification = f.magnification;
        const Item& image =
            w[f.image == ImageCase::real ? Window::ids::real_image : Window::ids::virtual_image];
        m.image_height = image.height / w.bench.unit;
    }
    return m;
}

std::optional<float> bench_focal_length(float focal) {
    for (const float f : kFocalLengths) {
        if (near(focal, f, 1e-3f)) return f;
    }
    return std::nullopt;
}

bool bench_can_make(const Measurement& m) {
    const float a = m.candle_distance, f = m.focal_length;
    if (!(a >= kNearest - 1e-3f && a <= kFarthest + 1e-3f)) return false;
    if (!near(m.candle_height, kCandleHeight, 1e-3f)) return false;
    if (!bench_focal_length(f)) return false;
    if (m.screen && !(*m.screen >= 0.25f - 1e-3f && *m.screen <= kFarthest + 1e-3f)) return false;
    const bool on_focus = near(a, f, 1e-4f);
    if (m.image == ImageCase::none) {
        return on_focus && m.image_distance == 0 && m.image_height == 0 && m.magnification == 0;
    }
    if (on_focus || (m.image == ImageCase::real) != (a > f)) return false;
    // The lens law, b = a f / (a - f), and the image as large as a b-to-a candle.
    const float b = m.image_distance, times = std::fabs(b) / a;
    return std::fabs(b) <= kLargestImage && near(b, a * f / (a - f), 1e-3f) &&
           near(m.magnification, times, 0.05f) &&
           near(m.image_height, m.magnification * m.candle_height, 0.05f);
}

bool number_column(std::size_t column) {
    return column != 0 && column != 5 && column != 8;
}

const SecondLine* second_line_under(std::size_t column) {
    for (const SecondLine& line : kSecondLine) {
        if (column >= line.first && column <= line.last) return &line;
    }
    return nullptr;
}

std::size_t rows_kept(const std::vector<RowId>& shown, const std::vector<RowId>& now) {
    const bool appended =
        shown.size() <= now.size() && std::equal(shown.begin(), shown.end(), now.begin());
    return appended ? shown.size() : 0;
}

std::vector<std::string> headings(const Translate& translate) {
    std::vector<std::string> out;
    for (std::string_view h : kHeadings) out.push_back(translate(h));
    return out;
}

std::vector<std::string> heading_words(const Translate& translate) {
    std::vector<std::string> out;
    for (std::string_view h : kHeadingWords) out.push_back(translate(h));
    return out;
}

std::vector<std::string> cells(const Measurement& m, const Translate& translate) {
    const bool real = m.image == ImageCase::real, none = m.image == ImageCase::none;
    std::vector<std::string> out{translate(real   ? kReal
                                           : none ? kNone
                                                  : kVirtual),
                                 spoken_number(m.candle_distance), spoken_number(m.candle_height),
                                 spoken_number(m.focal_length)};
    const std::string screen = m.screen ? spoken_number(*m.screen) : "";
    if (none) {
        out.resize(kHeadings.size());
        out.back() = screen;
        return out;
    }
    out.push_back(spoken_number(m.image_distance));
    out.push_back(translate(real ? kRightOfLens : kCandleSide));
    out.push_back(spoken_number(m.image_height));
    out.push_back(spoken_number(m.magnification));
    out.push_back(translate(real ? kInverted : kUpright));
    out.push_back(screen);
    return out;
}

std::string row_words(const Measurement& m, const Translate& translate) {
    const std::vector<std::string> h = heading_words(translate), c = cells(m, translate);
    std::string out;
    for (std::size_t i = 0; i < h.size(); ++i) {
        if (c[i].empty()) continue;
        if (!out.empty()) out += translate(kCellJoin);
        out += h[i] + " " + c[i];
    }
    return out;
}

bool Notebook::has(RowId id) const {
    return std::find(ids_.begin(), ids_.end(), id) != ids_.end();
}

void Notebook::add(RowId id, const Measurement& m) {
    rows_.push_back(m);
    ids_.push_back(id);
}

bool Notebook::remove(RowId id) {
    const auto at = std::find(ids_.begin(), ids_.end(), id);
    if (at == ids_.end()) return false;
    rows_.erase(rows_.begin() + (at - ids_.begin()));
    ids_.erase(at);
    return true;
}

void Notebook::clear() {
    rows_.clear();
    ids_.clear();
}

std::string Notebook::csv(const Translate& translate) const {
    return "\xEF\xBB\xBF" + lines(*this, translate, ",", "\r\n", true);
}

std::string Notebook::tab_separated(const Translate& translate) const {
    return lines(*this, translate, "\t", "\n", false);
}

void append_stored_row(std::string& out, RowId id, const Measurement& m) {
    append_hex(out, id, 16);
    out += ' ';
    out += kStoredCases[static_cast<std::size_t>(m.image)];
    for (float v : {m.candle_distance, m.candle_height, m.focal_length, m.image_distance,
                    m.image_height, m.magnification}) {
        std::uint32_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        out += ' ';
        append_hex(out, bits, 8);
    }
    if (m.screen) {
        std::uint32_t bits;
        std::memcpy(&bits, &*m.screen, sizeof bits);
        out += ' ';
        append_hex(out, bits, 8);
    }
    out += '\n';
}

std::string Notebook::stored() const {
    std::string out(kStoredFirstLine);
    out += '\n';
    out.reserve(out.size() + rows_.size() * 84);
    for (std::size_t i = 0; i < rows_.size(); ++i) append_stored_row(out, ids_[i], rows_[i]);
    return out;
}

StoredNotebook read_stored(std::string_view text) {
    StoredNotebook read;
    if (text.empty()) return read;
    // A text editor may have put a byte-order mark before it, CRLF line ends, blank lines, or no
    // line end after the last row: each row is read all the same, and the text is no longer
    // exactly as it was written.
    bool exact = true;
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    if (text.substr(0, kMark.size()) == kMark) {
        text.remove_prefix(kMark.size());
        exact = false;
    }
    const auto next_line = [&text, &exact] {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (end == std::string_view::npos) {
            text = {};
            exact = false;
        } else {
            text.remove_prefix(end + 1);
        }
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
            exact = false;
        }
        return line;
    };
    const std::string_view first = next_line();
    const bool with_id = first == kStoredFirstLine;
    if (!with_id && first != kFirstVersionLine) {
        read.damaged = true;
        return read;
    }
    RowId numbered = 0;
    std::unordered_set<RowId> seen;
    seen.reserve(text.size() / 64);  // a row is some 80 bytes: no rehashing as they are read
    while (!text.empty()) {
        const std::string_view line = next_line();
        if (line.empty()) {
            exact = false;
            continue;
        }
        // A row of the other kind (one a later page added to a first-kind notebook) is read
        // as a row all the same.
        auto row = stored_row(line, with_id);
        if (!row) {
            row = stored_row(line, !with_id);
            if (row) read.damaged = true;
        }
        ++numbered;
        const RowId id = row && row->first != 0 ? row->first : numbered;
        if (!row || !seen.insert(id).second) {
            read.damaged = true;
            continue;
        }
        read.notebook.add(id, row->second);
    }
    read.exact = exact && with_id && !read.damaged;
    return read;
}

std::vector<std::string_view> notebook_texts() {
    std::vector<std::string_view> out(kHeadings.begin(), kHeadings.end());
    for (std::string_view h : kHeadingWords) {
        if (std::find(out.begin(), out.end(), h) == out.end()) out.push_back(h);
    }
    out.insert(out.end(),
               {kReal, kVirtual, kNone, kRightOfLens, kCandleSide, kInverted, kUpright, kCellJoin});
    return out;
}

std::optional<RowId> row_to_remove(const std::vector<RowId>& ids, std::optional<RowId> chosen) {
    if (chosen && std::find(ids.begin(), ids.end(), *chosen) != ids.end()) return chosen;
    if (ids.empty()) return std::nullopt;
    return ids.back();
}

}  // namespace korru
