// SPDX-License-Identifier: MIT
// The notebook of measurements: each row is the scene as it stood when recorded — the image's
// case, the candle's distance from the lens and its height, the focal length, the image's
// distance and side, its height and the magnification, upright or inverted — in grid squares,
// from the model's own numbers (the facts the scene in words is made of). It is written out as
// CSV for a spreadsheet, as tab-separated text to paste, and as a small text a face keeps.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bench/description.h"
#include "window/window.h"

namespace korru {

struct Measurement {
    ImageCase image = ImageCase::none;
    float candle_distance = 0;  // squares left of the lens
    float candle_height = 0;    // squares
    float focal_length = 0;     // squares
    float image_distance = 0;   // squares from the lens: right of it for a real image, on the
                                // candle's side for a virtual one; 0 without an image
    float image_height = 0;     // squares; 0 without an image
    float magnification = 0;    // the image's height over the candle's; 0 without an image
};

// The scene as a row of the notebook.
Measurement measure(const Window& w);

// The row's cells as a reader reads them: the case, the numbers to two decimals, the side and
// the way up in words, empty cells where there is no image.
std::vector<std::string> cells(const Measurement& m, const Translate& translate);
std::vector<std::string> headings(const Translate& translate);

// A row in words, for a screen reader: each heading with its cell.
std::string row_words(const Measurement& m, const Translate& translate);

class Notebook {
  public:
    const std::vector<Measurement>& rows() const { return rows_; }
    void record(const Window& w) { rows_.push_back(measure(w)); }
    void clear() { rows_.clear(); }

    // UTF-8 with a byte-order mark and CRLF line ends, so a spreadsheet opens it right.
    std::string csv(const Translate& translate) const;
    // Tab-separated, to paste into any spreadsheet.
    std::string tab_separated(const Translate& translate) const;

    // The rows as a face keeps them: exactly, whatever the language. A text that is not one is
    // refused, whole.
    std::string stored() const;
    static std::optional<Notebook> from_stored(std::string_view text);

  private:
    std::vector<Measurement> rows_;
};

// The texts of this file, for the catalogue.
std::vector<std::string_view> notebook_texts();

}  // namespace korru
