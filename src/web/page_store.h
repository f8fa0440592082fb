// SPDX-License-Identifier: MIT
// Where the page keeps the notebook: the browser's local storage, through the shell's
// korruStorage, which turns every refusal into a word. A full storage is said as full, any other
// refusal with its reason in the reader's language.
//
// The browser copies a whole value each time one is written, some milliseconds for the 800 KB
// of ten thousand rows. So the notebook is kept under its key whole, and the rows recorded since
// under "<key>.more", after a line that names the text they follow (its length and a hash): a
// record writes those few rows. Past kMoreBytes of them, the whole notebook is written under the
// key again, which the rows after it then no longer name. Either way one write makes the change,
// whole or not at all. Nor is a text copied out of the browser again while this page holds it.
//
// A change is made holding the browser's lock on the notebook (the Web Locks API, which every
// tab of the page asks for by one name): asked for, the lock comes a moment later, and the page
// is then told through `changed` to merge and write holding it. So no tab writes between another
// tab's read and write.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "lesson/store.h"

namespace korru::web {

class PageStore : public Store {
  public:
    explicit PageStore(std::string key) : key_(std::move(key)), more_key_(key_ + ".more") {}

    StoreHold hold() override;
    StoreRead read() override;
    StoreWrite write(const std::string& text) override;
    // Under "<key>.unreadable", or "<key>.unreadable.2" and on where that is taken.
    std::optional<std::string> set_aside() override;
    std::string where() const override;

    // Calls the module's entry point `changed` when another tab writes the notebook.
    void watch(const char* changed);

    // The rows after the whole notebook, at most: past this, the whole is written again.
    static constexpr std::size_t kMoreBytes = 64 * 1024;

  private:
    // The line that heads the rows after a text: its length and hash.
    static std::string heading(std::size_t length, std::uint64_t hash);

    std::string key_, more_key_;
    const char* changed_ = nullptr;
    // What this page last read or wrote: the notebook (the whole and the rows after it), how
    // long the whole is and its hash, and the rows' key as it holds them.
    std::optional<std::string> held_;
    std::size_t whole_ = 0;
    std::uint64_t hash_ = 0;
    std::optional<std::string> more_;
};

}  // namespace korru::web
