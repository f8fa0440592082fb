// SPDX-License-Identifier: MIT
// The notebook of measurements: each row is the scene as it stood when recorded — the image's
// case, the candle's distance from the lens and its height, the focal length, the image's
// distance, its height and the magnification, upright or inverted — in grid squares, from the
// model's own numbers (the facts the scene in words is made of). The image distance b is signed
// as the lens law writes it: positive for a real image right of the lens, negative for a virtual
// one on the candle's side, so that 1/a + 1/b = 1/f holds for every row with an image. It is
// written out as CSV for a spreadsheet, as tab-separated text to paste, and as a small text a
// face keeps, each row under an id of its own so that two windows keeping one notebook can merge.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bench/description.h"
#include "window/window.h"

namespace korru {

struct Measurement {
    ImageCase image = ImageCase::none;
    float candle_distance = 0;    // squares left of the lens
    float candle_height = 0;      // squares
    float focal_length = 0;       // squares
    float image_distance = 0;     // squares: b, right of the lens for a real image (positive), on
                                  // the candle's side for a virtual one (negative); 0 without one
    float image_height = 0;       // squares; 0 without an image
    float magnification = 0;      // the image's height over the candle's; 0 without an image
    std::optional<float> screen;  // squares right of the lens where the pupil's own screen stood
                                  // (the experiment), beside the law's b
    bool operator==(const Measurement&) const = default;
};

// The scene as a row of the notebook.
Measurement measure(const Window& w);

// The bench's focal length, 4 or 6 squares, that a row's `focal` is taken for (its value as
// read back may lie a rounding away); nothing where it is neither.
std::optional<float> bench_focal_length(float focal);

// Whether a bench could have made the row: the candle within the bench's reach, one of the two
// focal lengths, the case and the image agreeing with them. A kept row that is not is no row.
bool bench_can_make(const Measurement& m);

// The row's cells as a reader reads them: the case, the numbers to two decimals, the side and
// the way up in words, empty cells where there is no image.
std::vector<std::string> cells(const Measurement& m, const Translate& translate);
// The columns' headings, short (a, b, f, …), and the same in words with their units.
std::vector<std::string> headings(const Translate& translate);
// Whether a column holds numbers (set to the right, as wide as its longest number) rather than
// words: all but the case, the image's side and its way up.
bool number_column(std::size_t column);
std::vector<std::string> heading_words(const Translate& translate);

// A narrow table's second line: the image's side and its way up, each a column of words set
// under the columns `first` to `last` of the row's first line (the side under the image's case
// and its distances, the way up under h′, the magnification and the screen's place).
struct SecondLine {
    std::size_t column, first, last;
};
inline constexpr SecondLine kSecondLine[] = {{5, 0, 4}, {8, 6, 9}};
// The second line set under `column` of the first, if any.
const SecondLine* second_line_under(std::size_t column);
// A table's rows go on two lines where their columns on one (`width` wide in all) are wider
// than the `room` the table has.
constexpr bool on_two_lines(double width, double room) {
    return width > room;
}

// A row in words, for a screen reader: each heading with its cell.
std::string row_words(const Measurement& m, const Translate& translate);

// A row's id: unique among the rows of every window that keeps the notebook.
using RowId = std::uint64_t;

class Notebook {
  public:
    const std::vector<Measurement>& rows() const { return rows_; }
    const std::vector<RowId>& ids() const { return ids_; }
    bool has(RowId id) const;
    void add(RowId id, const Measurement& m);
    // Takes out the row with `id`; whether there was one.
    bool remove(RowId id);
    void clear();

    // UTF-8 with a byte-order mark and CRLF line ends, so a spreadsheet opens it right.
    std::string csv(const Translate& translate) const;
    // Tab-separated, to paste into any spreadsheet.
    std::string tab_separated(const Translate& translate) const;

    // The rows as a face keeps them: exactly, whatever the language.
    std::string stored() const;

  private:
    std::vector<Measurement> rows_;
    std::vector<RowId> ids_;
};

// How many of the rows a face shows (`shown`, by id) it may keep to show `now`: all of them where
// `now` only added rows at their end; none where a row went or moved, and the face shows the
// rows afresh.
std::size_t rows_kept(const std::vector<RowId>& shown, const std::vector<RowId>& now);

// The row "take a row out" takes: the one chosen, where it is still in the notebook, else the
// newest, so that a row recorded by mistake is taken out without choosing it; none in an empty
// notebook.
std::optional<RowId> row_to_remove(const std::vector<RowId>& ids, std::optional<RowId> chosen);

// One row as the kept text has it, its line end included, added to `out`.
void append_stored_row(std::string& out, RowId id, const Measurement& m);

// A kept notebook read: every row that could be read, and whether anything could not (a line
// cut short, a row no bench makes, a text that is no notebook at all). An empty text is an empty
// notebook. The notebooks kept before rows had ids are read too, their rows numbered in order.
// A text an editor has touched (a byte-order mark, CRLF line ends, blank lines, no line end after
// the last row) is read whole; it is then not `exact`, not as stored() would write its rows.
struct StoredNotebook {
    Notebook notebook;
    bool damaged = false;
    bool exact = false;
};
StoredNotebook read_stored(std::string_view text);

// The most of a kept notebook's file that is read: far more than any class records (a row is
// about 80 bytes, so some three million rows). A larger file is read as far as this.
inline constexpr std::size_t kLargestStored = 256 * 1024 * 1024;

// The texts of this file, for the catalogue.
std::vector<std::string_view> notebook_texts();

}  // namespace korru
