// SPDX-License-Identifier: MIT
// The notebook as a window shows it, kept in a store that other windows (or tabs) keep it in
// too. Every change is read, merged and written with the store held against every other keeper:
// the store's rows, less those taken out here, then the rows recorded here that it does not have
// yet. A row is kept once the store, read back still held, gives what was written. So windows
// recording at once keep every row of all, and each shows the others' rows once told that the
// store changed. A store that will not take the rows (full, refused) leaves them on screen, not
// yet kept, said once for each change, and every later change or refresh tries again; a kept
// notebook that cannot be read whole is set aside under another name and every row that could be
// read goes on in the new one.
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
    // Whether changes wait only for the store to be held, which the face is to call refresh()
    // with; they are not yet said to be unkept.
    bool pending() const { return pending_ && waiting(); }

    // Each reads the store and merges; what it returns is what the reader should be told.
    std::optional<Notice> load();
    std::optional<Notice> refresh();  // the store changed: another window or tab wrote it
    std::optional<Notice> add(const Measurement& m);
    std::optional<Notice> remove(RowId id);
    std::optional<Notice> clear();  // the rows shown now, in the store too

  private:
    enum class Attempt { done, written, unverified, failed };
    // `asked`: a change made here, whose failure is said even where it was said before.
    std::optional<Notice> sync(bool asked);
    Attempt attempt(bool held, std::optional<Notice>& said, std::string& failure);
    Notebook merged(const Notebook& base) const;
    std::string say(std::string_view text, std::initializer_list<std::string_view> values) const;

    Store* store_;
    Translate translate_;
    Notebook shown_;
    Notebook unkept_;                    // recorded here, not yet in the store
    std::unordered_set<RowId> removed_;  // taken out here, maybe still in the store
    std::string last_text_;              // the store's text as last read or written
    bool last_exact_ = false;            // whether it is as its rows write it, to add lines to
    Notebook last_rows_;                 // and its rows
    bool failing_ = false;               // the store would not keep the last change
    std::string last_failure_;           // what was said of that, not said again unasked
    bool pending_ = false;               // the store is to be held later
    bool changed_ = false;               // a change made here, not yet tried held
    bool wants_hold_ = false;            // a damaged store waits to be set aside, held
    std::mt19937_64 ids_;
};

// The texts of this file, for the catalogue.
std::vector<std::string_view> keeper_texts();

}  // namespace korru
