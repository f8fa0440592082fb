// SPDX-License-Identifier: MIT
// The notebook's keys in local storage, read, written and set aside through the shell's
// korruStorage; its answers become the lesson's, and its reasons the reader's words.
#include "web/page_store.h"

#include <emscripten/val.h>

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "bench/description.h"
#include "web/language.h"

namespace korru::web {

using emscripten::val;

namespace {

const std::string kWhere = QT_TRANSLATE_NOOP("korru", "ブラウザーの保存領域");
const std::string kDenied =
    QT_TRANSLATE_NOOP("korru", "このブラウザーは、このページに保存をさせません");
const std::string kBrowserSays = QT_TRANSLATE_NOOP("korru", "ブラウザーのエラー %1");

// korruStorage's words for what went wrong: "full", "denied", or the name of the browser's error.
constexpr const char* kFull = "full";
constexpr const char* kDeniedWord = "denied";

// How many names a kept notebook may be set aside under before the page gives up.
constexpr int kMostAsideNames = 100;

// The first line of the rows after the whole notebook, before the length and hash it names.
constexpr std::string_view kMoreHeading = "korru notebook more ";

val storage() {
    return val::global("korruStorage");
}

std::string reason(const std::string& word) {
    if (word == kDeniedWord) return translated(kDenied);
    return with_numbers(translated(kBrowserSays), {word});
}

// A key's value: the same as this page last read or wrote (asked for where it holds that), a
// text, none, or refused with korruStorage's word for why.
struct Got {
    enum class Kind { same, text, none, refused } kind;
    std::string text;
};

Got get(const std::string& key, bool held) {
    const val got = storage().call<val>("get", val(key), val(held));
    if (got.isTrue()) return {Got::Kind::same, {}};
    if (got.isString()) return {Got::Kind::text, got.as<std::string>()};
    if (got.isNull()) return {Got::Kind::none, {}};
    return {Got::Kind::refused, got["refused"].as<std::string>()};
}

std::string set(const std::string& key, const std::string& text) {
    return storage().call<std::string>("set", val(key), val(text));
}

std::string remove(const std::string& key) {
    return storage().call<std::string>("remove", val(key));
}

// FNV-1a: a change of the whole that the rows after it were written for is a change of this.
std::uint64_t hash_of(std::string_view text) {
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : text) h = (h ^ c) * 1099511628211ull;
    return h;
}

StoreWrite not_kept(const std::string& word) {
    if (word == kFull) return {StoreWrite::Outcome::full, {}};
    return {StoreWrite::Outcome::refused, reason(word)};
}

}  // namespace

std::string PageStore::heading(std::size_t length, std::uint64_t hash) {
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return std::string(kMoreHeading) + std::to_string(length) + ' ' + hex + '\n';
}

StoreRead PageStore::read() {
    Got whole = get(key_, held_.has_value());
    Got more = whole.kind == Got::Kind::refused ? whole : get(more_key_, more_.has_value());
    if (more.kind == Got::Kind::refused) {
        held_.reset();
        more_.reset();
        return {StoreRead::State::unreadable, {}, reason(more.text)};
    }
    if (whole.kind == Got::Kind::same && more.kind == Got::Kind::same) {
        return {StoreRead::State::text, *held_, {}};
    }
    if (more.kind != Got::Kind::same) {
        more_.reset();
        if (more.kind == Got::Kind::text) more_ = std::move(more.text);
    }
    if (whole.kind == Got::Kind::none) {
        held_.reset();
        return {};
    }
    std::string text = whole.kind == Got::Kind::same ? held_->substr(0, whole_) : whole.text;
    if (whole.kind == Got::Kind::text) {
        whole_ = text.size();
        hash_ = hash_of(text);
    }
    // The rows after it, where they follow this very text. Rows left after another whole (one
    // that a page which knows nothing of them wrote since) are rows all the same: those the
    // whole does not hold yet are added to it, so that none is lost.
    const std::string after = heading(whole_, hash_);
    if (more_ && more_->rfind(after, 0) == 0) {
        text.append(*more_, after.size());
    } else if (more_ && more_->rfind(kMoreHeading, 0) == 0) {
        std::string_view rows = std::string_view(*more_).substr(more_->find('\n') + 1);
        if (!rows.empty() && !text.empty() && text.back() != '\n') text += '\n';
        while (!rows.empty()) {
            const std::size_t end = std::min(rows.find('\n'), rows.size() - 1);
            const std::string_view line = rows.substr(0, end + 1);
            rows.remove_prefix(end + 1);
            const std::string id = "\n" + std::string(line.substr(0, line.find(' ') + 1));
            if (text.find(id) == std::string::npos) text.append(line);
        }
    }
    held_ = text;
    return {StoreRead::State::text, std::move(text), {}};
}

StoreWrite PageStore::write(const std::string& text) {
    const bool follows = held_ && text.size() >= whole_ && text.size() - whole_ <= kMoreBytes &&
                         text.compare(0, whole_, *held_, 0, whole_) == 0;
    std::string word;
    if (follows && text.size() > whole_) {
        // Rows after the whole: only they are written.
        std::string more = heading(whole_, hash_) + text.substr(whole_);
        word = set(more_key_, more);
        if (word.empty()) more_ = std::move(more);
    } else if (follows) {
        // The whole alone: the rows after it go.
        word = remove(more_key_);
        if (word.empty()) more_.reset();
    } else {
        // The whole anew, which the rows after the old one do not name.
        word = set(key_, text);
        if (word.empty()) {
            whole_ = text.size();
            hash_ = hash_of(text);
            if (more_ && remove(more_key_).empty()) more_.reset();
        }
    }
    if (!word.empty()) {
        held_.reset();
        more_.reset();
        return not_kept(word);
    }
    held_ = text;
    return {};
}

std::optional<std::string> PageStore::set_aside() {
    const StoreRead now = read();
    if (now.state != StoreRead::State::text) return std::nullopt;
    const std::string whole = held_->substr(0, whole_);
    const std::optional<std::string> more = more_;
    held_.reset();
    more_.reset();
    for (int n = 1; n <= kMostAsideNames; ++n) {
        const std::string name = key_ + ".unreadable" + (n > 1 ? "." + std::to_string(n) : "");
        const Got taken = get(name, false);
        if (taken.kind == Got::Kind::refused) return std::nullopt;
        if (taken.kind != Got::Kind::none) continue;
        // The notebook's keys emptied first, so that it fits where it was; put back if the
        // browser will not take it under the new name.
        remove(key_);
        if (more) remove(more_key_);
        if (set(name, now.text).empty()) return name;
        set(key_, whole);
        if (more) set(more_key_, *more);
        return std::nullopt;
    }
    return std::nullopt;
}

std::string PageStore::where() const {
    return translated(kWhere);
}

StoreHold PageStore::hold() {
    // Without the module's entry point to call back, no lock is waited for.
    if (!changed_) return {};
    if (storage().call<bool>("hold", val::module_property(changed_))) return {};
    return {StoreHold::State::later, {}};
}

void PageStore::watch(const char* changed) {
    changed_ = changed;
    val keys = val::array();
    keys.call<void>("push", val(key_));
    keys.call<void>("push", val(more_key_));
    storage().call<void>("watch", keys, val::module_property(changed));
}

}  // namespace korru::web
