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
constexpr std::string_view kUnverified =
    "測定ノートを %1 に保存しましたが、読み戻すと違っていました。次の記録のときに、もう一度保存"
    "します。";
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
    return sync(true);
}

std::optional<Notice> NotebookKeeper::refresh() {
    return sync(false);
}

std::optional<Notice> NotebookKeeper::add(const Measurement& m) {
    RowId id;
    do {
        id = ids_();
    } while (id == 0 || shown_.has(id));
    unkept_.add(id, m);
    changed_ = true;
    return sync(true);
}

std::optional<Notice> NotebookKeeper::remove(RowId id) {
    if (!unkept_.remove(id)) removed_.insert(id);
    changed_ = true;
    return sync(true);
}

std::optional<Notice> NotebookKeeper::clear() {
    for (RowId id : shown_.ids()) removed_.insert(id);
    unkept_.clear();
    changed_ = true;
    return sync(true);
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

std::optional<Notice> NotebookKeeper::sync(bool asked) {
    if (!store_) {
        last_rows_ = merged(last_rows_);
        unkept_.clear();
        removed_.clear();
        shown_ = last_rows_;
        return std::nullopt;
    }
    // Held only where something is to be written: a change, or a damaged store to set aside.
    StoreHold hold{StoreHold::State::later, {}};
    bool held = false;
    const auto take = [&] {
        hold = store_->hold();
        held = hold.state == StoreHold::State::held;
        pending_ = hold.state == StoreHold::State::later;
        wants_hold_ = wants_hold_ && !held;
    };
    if (waiting() || wants_hold_) take();
    struct Release {
        Store* store;
        const bool& held;
        ~Release() {
            if (held) store->release();
        }
    } release{store_, held};

    std::optional<Notice> said;
    std::string failure;
    Attempt a = Attempt::unverified;
    // A write that does not read back (another keeper that does not hold the store wrote
    // between) is merged and written again, a few times.
    for (int tries = 0; tries < 3 && a == Attempt::unverified; ++tries) {
        a = attempt(held, said, failure);
        if (wants_hold_ && !held) {
            take();
            if (held) a = Attempt::unverified;  // read again, held
        }
    }
    if (a == Attempt::unverified) failure = say(kUnverified, {store_->where()});
    if (hold.state == StoreHold::State::busy && waiting() && failure.empty()) {
        failure = say(kRefused, {store_->where(), hold.why});
    }
    // A change made here is answered when it is tried, held: now, or once the store is held.
    const bool answering = asked || (held && changed_);
    if (held) changed_ = false;
    if (a == Attempt::written) {
        if (failing_) joined(said, Notice{translate_(kKeptAgain), false});
        failing_ = false;
        last_failure_.clear();
    } else if (!failure.empty()) {
        failing_ = true;
        if (answering || failure != last_failure_) joined(said, Notice{failure, true});
        last_failure_ = std::move(failure);
    }
    return said;
}

NotebookKeeper::Attempt NotebookKeeper::attempt(bool held, std::optional<Notice>& said,
                                                std::string& failure) {
    const std::string where = store_->where();
    StoreRead read = store_->read();
    if (read.state == StoreRead::State::unreadable) {
        shown_ = merged(last_rows_);
        failure = say(kNotRead, {where, read.why});
        return Attempt::failed;
    }
    bool must_write = waiting();
    // Where nothing changed since this window last read or wrote it, what it holds is known; a
    // row recorded is then one line more.
    const bool known =
        read.state == StoreRead::State::text && last_exact_ && read.text == last_text_;
    bool exact = known;
    Notebook base;
    if (known) {
        base = last_rows_;
    } else if (read.state == StoreRead::State::text) {
        StoredNotebook stored = read_stored(read.text);
        if (stored.damaged && !held) {
            // Set aside only held, lest another window's rows written meanwhile go with it.
            wants_hold_ = true;
            last_text_.clear();
            last_exact_ = false;
            last_rows_ = stored.notebook;
            shown_ = merged(stored.notebook);
            return Attempt::done;
        }
        if (stored.damaged) {
            const auto aside = store_->set_aside();
            if (!aside) {
                shown_ = merged(stored.notebook);
                failure = say(kNotSetAside, {where});
                return Attempt::failed;
            }
            joined(said, Notice{say(kSetAside,
                                    {where, *aside, std::to_string(stored.notebook.rows().size())}),
                                true});
            read.text.clear();  // nothing is kept there now
            stored.exact = false;
            must_write = true;
        }
        exact = stored.exact;
        base = std::move(stored.notebook);
    }
    Notebook next = merged(base);
    if (!must_write || !held) {
        last_text_ = std::move(read.text);
        last_exact_ = exact;
        last_rows_ = std::move(base);
        shown_ = std::move(next);
        return Attempt::done;
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
    if (wrote.outcome != StoreWrite::Outcome::kept) {
        last_text_ = std::move(read.text);
        last_exact_ = exact;
        last_rows_ = std::move(base);
        shown_ = std::move(next);
        // A full store says what is full: the disk, where it knows.
        failure = wrote.outcome == StoreWrite::Outcome::full
                      ? say(kFull, {wrote.why.empty() ? where : wrote.why})
                      : say(kRefused, {where, wrote.why});
        return Attempt::failed;
    }
    // Kept only where it reads back as written.
    const StoreRead back = store_->read();
    if (back.state != StoreRead::State::text || back.text != text) {
        last_text_.clear();
        last_exact_ = false;
        shown_ = std::move(next);
        return Attempt::unverified;
    }
    unkept_.clear();
    removed_.clear();
    last_text_ = std::move(text);
    last_exact_ = true;
    last_rows_ = next;
    shown_ = std::move(next);
    return Attempt::written;
}

std::vector<std::string_view> keeper_texts() {
    return {kSetAside, kNotSetAside, kNotRead, kFull, kRefused, kUnverified, kKeptAgain};
}

}  // namespace korru
