// SPDX-License-Identifier: MIT
// Keeping the notebook: read, merge, write, and what to say when the store will not.
#include "lesson/notebook_keeper.h"

#include <algorithm>
#include <utility>

namespace korru {

namespace {

constexpr std::string_view kSetAside =
    "保存されていた測定ノート %1 の一部が読めないため、元のものを %2 "
    "として残しました。読めた %3 行で続けます。";
constexpr std::string_view kNotSetAside =
    "保存されている測定ノート %1 が読めず、別の名前にもできません。記録はまだ保存されていません。";
constexpr std::string_view kNotRead =
    "保存されている測定ノート %1 が読めません (%2)。記録はまだ保存されていません。";
constexpr std::string_view kFull =
    "%1 がいっぱいのため、測定ノートを保存できませんでした。空きを作れば、次の記録のときに保存"
    "されます。";
constexpr std::string_view kRefused =
    "測定ノートを %1 に保存できませんでした (%2)。次の記録のときに、もう一度保存します。";
constexpr std::string_view kKeptAgain =
    "測定ノートを保存できました。まだ保存されていない行はありません。";

void joined(std::optional<Notice>& said, Notice more) {
    if (!said) {
        said = std::move(more);
        return;
    }
    said->text += ' ' + more.text;
    said->lasting = said->lasting || more.lasting;
}

}  // namespace

NotebookKeeper::NotebookKeeper(Store* store, Translate translate)
    : store_(store), translate_(std::move(translate)), ids_(std::random_device{}()) {}

std::string NotebookKeeper::say(std::string_view text,
                                std::initializer_list<std::string_view> values) const {
    return with_numbers(translate_(text), values);
}

std::optional<Notice> NotebookKeeper::load() {
    return sync();
}

std::optional<Notice> NotebookKeeper::refresh() {
    return sync();
}

std::optional<Notice> NotebookKeeper::add(const Measurement& m) {
    RowId id;
    do {
        id = ids_();
    } while (id == 0 || shown_.has(id));
    unkept_.add(id, m);
    return sync();
}

std::optional<Notice> NotebookKeeper::remove(RowId id) {
    if (!unkept_.remove(id)) removed_.insert(id);
    return sync();
}

std::optional<Notice> NotebookKeeper::clear() {
    for (RowId id : shown_.ids()) removed_.insert(id);
    unkept_.clear();
    return sync();
}

Notebook NotebookKeeper::merged(const Notebook& base) const {
    Notebook out;
    for (std::size_t i = 0; i < base.rows().size(); ++i) {
        if (!removed_.count(base.ids()[i])) out.add(base.ids()[i], base.rows()[i]);
    }
    // A row recorded here that the store has by now (a write said to have failed that did not)
    // is not added twice. The rows waiting are few; the store's may be ten thousand.
    const auto& ids = base.ids();
    for (std::size_t i = 0; i < unkept_.rows().size(); ++i) {
        if (std::find(ids.begin(), ids.end(), unkept_.ids()[i]) == ids.end()) {
            out.add(unkept_.ids()[i], unkept_.rows()[i]);
        }
    }
    return out;
}

std::optional<Notice> NotebookKeeper::sync() {
    if (!store_) {
        last_rows_ = merged(last_rows_);
        unkept_.clear();
        removed_.clear();
        shown_ = last_rows_;
        return std::nullopt;
    }
    const std::string where = store_->where();
    StoreRead read = store_->read();
    if (read.state == StoreRead::State::unreadable) {
        failing_ = true;
        shown_ = merged(last_rows_);
        return Notice{say(kNotRead, {where, read.why}), true};
    }
    std::optional<Notice> said;
    bool must_write = waiting();
    // Where nothing changed since this window last read or wrote it, what it holds is known; a
    // row recorded is then one line more.
    const bool known =
        read.state == StoreRead::State::text && !last_text_.empty() && read.text == last_text_;
    Notebook base;
    if (known) {
        base = last_rows_;
    } else if (read.state == StoreRead::State::text) {
        StoredNotebook stored = read_stored(read.text);
        if (stored.damaged) {
            const auto aside = store_->set_aside();
            if (!aside) {
                failing_ = true;
                shown_ = merged(stored.notebook);
                return Notice{say(kNotSetAside, {where}), true};
            }
            said = Notice{
                say(kSetAside, {where, *aside, std::to_string(stored.notebook.rows().size())}),
                true};
            read.text.clear();  // nothing is kept there now
            must_write = true;
        }
        base = std::move(stored.notebook);
    }
    Notebook next = merged(base);
    if (!must_write) {
        last_text_ = std::move(read.text);
        last_rows_ = std::move(base);
        shown_ = std::move(next);
        return said;
    }
    std::string text;
    if (known && removed_.empty()) {
        text = last_text_;
        for (std::size_t i = 0; i < unkept_.rows().size(); ++i) {
            append_stored_row(text, unkept_.ids()[i], unkept_.rows()[i]);
        }
    } else {
        text = next.stored();
    }
    const StoreWrite wrote = store_->write(text);
    if (wrote.outcome == StoreWrite::Outcome::kept) {
        unkept_.clear();
        removed_.clear();
        last_text_ = std::move(text);
        last_rows_ = next;
        if (failing_) joined(said, Notice{translate_(kKeptAgain), false});
        failing_ = false;
    } else {
        last_text_ = std::move(read.text);
        last_rows_ = std::move(base);
        failing_ = true;
        joined(said, Notice{wrote.outcome == StoreWrite::Outcome::full
                                ? say(kFull, {where})
                                : say(kRefused, {where, wrote.why}),
                            true});
    }
    shown_ = std::move(next);
    return said;
}

std::vector<std::string_view> keeper_texts() {
    return {kSetAside, kNotSetAside, kNotRead, kFull, kRefused, kKeptAgain};
}

}  // namespace korru
