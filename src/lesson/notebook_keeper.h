// SPDX-License-Identifier: MIT
// The notebook as a window shows it, kept in a store that other windows (or tabs) keep it in
// too. Every change is merged with what the store holds at that moment: the store's rows, less
// those taken out here, then the rows recorded here that it does not have yet. So two windows
// recording in turns keep every row of both, and each shows the other's rows once told that the
// store changed. A store that will not take the rows (full, refused) leaves them on screen, not
// yet kept, and every later change tries again; a kept notebook that cannot be read whole is set
// aside under another name and every row that could be read goes on in the new one.
#pragma once

#include <cstddef>
#include <optional>
#include <random>
#include <string>
#include <unordered_set>
#include <vector>

#include "lesson/notebook.h"
#include "lesson/store.h"

namespace korru {

// A line for the reader; a lasting one stays until it is put away.
struct Notice {
    std::string text;
    bool lasting = false;
};
// How long a passing notice stays, on every face: long enough to read a sentence twice.
inline constexpr int kPassingNoticeMilliseconds = 8000;

class NotebookKeeper {
  public:
    // With no store, nothing is kept and nothing is said of keeping.
    NotebookKeeper(Store* store, Translate translate);

    // The store's rows as last read, with this window's changes not yet kept.
    const Notebook& notebook() const { return shown_; }
    // How many of the rows shown are not yet kept, and whether changes wait to be kept.
    std::size_t unkept() const { return unkept_.rows().size(); }
    bool waiting() const { return !unkept_.rows().empty() || !removed_.empty(); }

    // Each reads the store and merges; what it returns is what the reader should be told.
    std::optional<Notice> load();
    std::optional<Notice> refresh();  // the store changed: another window or tab wrote it
    std::optional<Notice> add(const Measurement& m);
    std::optional<Notice> remove(RowId id);
    std::optional<Notice> clear();  // the rows shown now, in the store too

  private:
    std::optional<Notice> sync();
    Notebook merged(const Notebook& base) const;
    std::string say(std::string_view text, std::initializer_list<std::string_view> values) const;

    Store* store_;
    Translate translate_;
    Notebook shown_;
    Notebook unkept_;                    // recorded here, not yet in the store
    std::unordered_set<RowId> removed_;  // taken out here, maybe still in the store
    std::string last_text_;              // the store's text as last read or written
    Notebook last_rows_;                 // and its rows
    bool failing_ = false;               // the store would not keep the last change
    std::mt19937_64 ids_;
};

// The texts of this file, for the catalogue.
std::vector<std::string_view> keeper_texts();

}  // namespace korru
