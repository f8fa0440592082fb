// SPDX-License-Identifier: MIT
// Where a face keeps the notebook — a file on the desktop, the browser's storage in the page —
// as the little a lesson asks of it: what is kept now, to keep a text in its place whole or not
// at all, to set what is kept aside under another name, and to hold it against every other
// window or tab while a change is read, merged and written. How the notebook is kept over it,
// merged and tried again, is the lesson's (NotebookKeeper).
#pragma once

#include <optional>
#include <string>

namespace korru {

struct StoreRead {
    enum class State { absent, text, unreadable };
    State state = State::absent;
    std::string text;  // what is kept, with State::text
    std::string why;   // the reason, in the reader's language, with State::unreadable
};

// Whether a store is held against every other window or tab that keeps it, for one read, merge
// and write. `later`: it is asked for, and the face calls the keeper again (refresh) holding it;
// `busy`: another held it for longer than a change is worth waiting.
struct StoreHold {
    enum class State { held, later, busy };
    State state = State::held;
    std::string why;  // the reason, in the reader's language, with State::busy
};

struct StoreWrite {
    enum class Outcome { kept, full, refused };
    Outcome outcome = Outcome::kept;
    std::string why;  // the reason, in the reader's language, where it was refused; what is
                      // full, where it was full and the store knows (a disk)
};

class Store {
  public:
    virtual ~Store() = default;
    // Holds the store until release(), where it says held; a store only this window keeps is
    // always held.
    virtual StoreHold hold() { return {}; }
    virtual void release() {}
    virtual StoreRead read() = 0;
    // Replaces what is kept with `text`; anything but kept leaves what was kept as it was.
    virtual StoreWrite write(const std::string& text) = 0;
    // Moves what is kept aside under a new name, which it returns; none where it cannot.
    virtual std::optional<std::string> set_aside() = 0;
    // Where the notebook is kept, as the reader knows it (a path, the browser's storage).
    virtual std::string where() const = 0;
};

}  // namespace korru
