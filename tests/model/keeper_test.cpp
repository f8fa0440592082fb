// SPDX-License-Identifier: MIT
// Keepers of one notebook at once, as windows and tabs keep it: a checker plays random changes
// of three keepers and, at random calls of one to the store, lets another make a change right
// there. With the store held for each change, no row said kept is lost and all end showing the
// store's rows; without holding it, the same checker finds a row lost, so it can catch that.
// And a text touched by an editor is read whole and written back as the keeper writes it.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <random>
#include <set>

#include "lesson/notebook_keeper.h"
#include "support.h"

namespace korru {
namespace {

std::string as_written(std::string_view text) {
    return std::string(text);
}

// The one notebook, and who holds it. A keeper asking for it while another holds it is told to
// wait, and called again (refresh) once it is let go, as the page's tabs are.
struct Shared {
    std::optional<std::string> text;
    int holder = -1;
    std::deque<int> waiting;
    std::function<void(int who)> between;  // at each call of a keeper to the store
};

class Door : public Store {
  public:
    Door(Shared& shared, int who, bool held_for_changes)
        : shared_(shared), who_(who), holds_(held_for_changes) {}

    StoreHold hold() override {
        if (!holds_ || shared_.holder == -1) {
            if (holds_) shared_.holder = who_;
            return {};
        }
        if (std::find(shared_.waiting.begin(), shared_.waiting.end(), who_) ==
            shared_.waiting.end()) {
            shared_.waiting.push_back(who_);
        }
        return {StoreHold::State::later, {}};
    }
    void release() override {
        if (holds_) shared_.holder = -1;
    }
    StoreRead read() override {
        poke();
        if (!shared_.text) return {};
        return {StoreRead::State::text, *shared_.text, {}};
    }
    StoreWrite write(const std::string& text) override {
        poke();
        shared_.text = text;
        return {};
    }
    std::optional<std::string> set_aside() override {
        shared_.text.reset();
        return "aside";
    }
    std::string where() const override { return "memory"; }

  private:
    void poke() {
        if (shared_.between) shared_.between(who_);
    }

    Shared& shared_;
    int who_;
    bool holds_;
};

// A row a bench makes, one of forty.
Measurement row(int n) {
    static const std::vector<Measurement> rows = [] {
        std::vector<Measurement> out;
        Window w = test::started();
        for (int i = 0; i < 40; ++i) {
            out.push_back(measure(w));
            click(w, Click::mr);
        }
        return out;
    }();
    return rows[static_cast<std::size_t>(n) % rows.size()];
}

std::set<RowId> stored_ids(const Shared& s) {
    if (!s.text) return {};
    const StoredNotebook n = read_stored(*s.text);
    EXPECT_FALSE(n.damaged);
    return {n.notebook.ids().begin(), n.notebook.ids().end()};
}

// What the checker found over `runs` random plays: rows said kept that the store lost.
struct Play {
    int lost = 0;
    int interleaved = 0;  // changes made inside another keeper's call
    int waited = 0;       // changes that waited for the store to be let go
};

Play play(bool held_for_changes, std::uint32_t seed, int steps) {
    Shared shared;
    std::vector<std::unique_ptr<Door>> doors;
    std::vector<std::unique_ptr<NotebookKeeper>> keepers;
    for (int who = 0; who < 3; ++who) {
        doors.push_back(std::make_unique<Door>(shared, who, held_for_changes));
        keepers.push_back(std::make_unique<NotebookKeeper>(doors.back().get(), as_written));
        keepers.back()->load();
    }
    std::mt19937 random(seed);
    std::set<RowId> said_kept, removed;
    std::vector<std::vector<RowId>> added(3);
    Play found;
    int made = 0;

    // A keeper's rows are said kept once none of its changes wait.
    const auto note = [&](int who) {
        if (keepers[who]->waiting()) return;
        for (RowId id : added[who]) said_kept.insert(id);
        added[who].clear();
    };
    const auto change = [&](int who) {
        NotebookKeeper& k = *keepers[who];
        const auto& ids = k.notebook().ids();
        if (random() % 4 == 0 && !ids.empty()) {
            const RowId id = ids[random() % ids.size()];
            removed.insert(id);
            k.remove(id);
        } else {
            k.add(row(made++));
            added[who].push_back(k.notebook().ids().back());
        }
        note(who);
    };
    bool inside = false;
    shared.between = [&](int who) {
        if (inside || random() % 3 != 0) return;
        inside = true;
        const int other = (who + 1 + static_cast<int>(random() % 2)) % 3;
        ++found.interleaved;
        change(other);
        inside = false;
    };
    const auto let_go = [&] {
        while (!shared.waiting.empty()) {
            const int who = shared.waiting.front();
            shared.waiting.pop_front();
            ++found.waited;
            keepers[who]->refresh();
            note(who);
        }
    };
    for (int step = 0; step < steps; ++step) {
        const int who = static_cast<int>(random() % 3);
        if (random() % 5 == 0) {
            keepers[who]->refresh();
            note(who);
        } else {
            change(who);
        }
        let_go();
        const std::set<RowId> now = stored_ids(shared);
        for (RowId id : said_kept) found.lost += !removed.count(id) && !now.count(id);
        said_kept.clear();
        for (RowId id : now) said_kept.insert(id);
    }
    shared.between = nullptr;
    for (auto& k : keepers) k->refresh();
    let_go();
    for (auto& k : keepers) {
        EXPECT_FALSE(k->waiting());
        const std::vector<RowId>& shown = k->notebook().ids();
        EXPECT_EQ(std::set<RowId>(shown.begin(), shown.end()), stored_ids(shared));
    }
    return found;
}

TEST(KeepersAtOnce, HoldingTheStoreForEachChangeLoseNoRowSaidKept) {
    Play all;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        const Play p = play(true, seed, 60);
        EXPECT_EQ(p.lost, 0) << "seed " << seed;
        all.interleaved += p.interleaved;
        all.waited += p.waited;
    }
    // The checker made changes inside others' calls, and they waited.
    EXPECT_GT(all.interleaved, 200);
    EXPECT_GT(all.waited, 200);
}

TEST(KeepersAtOnce, NotHoldingTheStoreLoseRowsTheCheckerFinds) {
    int lost = 0;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) lost += play(false, seed, 60).lost;
    EXPECT_GT(lost, 0);
}

// A store whose text another keeper, not holding it, replaces just after each write: the write
// does not read back, is merged and written again, and no row of either is lost.
TEST(KeepersAtOnce, AWriteThatDoesNotReadBackIsMergedAndWrittenAgain) {
    Shared shared;
    Door door(shared, 0, false), other_door(shared, 1, false);
    NotebookKeeper mine(&door, as_written), other(&other_door, as_written);
    mine.load();
    other.load();
    // Each try is a read, a write and a read back: before the first two read backs, the other
    // keeper records.
    int calls = 0;
    shared.between = [&](int who) {
        if (who != 0) return;
        ++calls;
        if (calls == 3 || calls == 6) other.add(row(calls));
    };
    const std::optional<Notice> said = mine.add(row(0));
    EXPECT_FALSE(mine.waiting());
    EXPECT_FALSE(said) << said->text;
    shared.between = nullptr;
    const std::set<RowId> now = stored_ids(shared);
    for (RowId id : mine.notebook().ids()) EXPECT_TRUE(now.count(id));
    other.refresh();
    EXPECT_EQ(other.notebook().ids().size(), now.size());
    EXPECT_EQ(now.size(), 3u);
    EXPECT_EQ(calls, 9);
}

// What a text editor may do to a kept notebook.
struct Touched {
    const char* name;
    std::string (*touch)(const std::string& text);
};

void PrintTo(const Touched& t, std::ostream* os) {
    *os << t.name;
}

class ANotebookTouched : public testing::TestWithParam<Touched> {};

TEST_P(ANotebookTouched, IsReadWholeAndWrittenBackAsTheKeeperWritesIt) {
    Notebook n;
    for (int i = 0; i < 10; ++i) n.add(static_cast<RowId>(100 + i), row(i));
    const std::string touched = GetParam().touch(n.stored());
    const StoredNotebook read = read_stored(touched);
    EXPECT_FALSE(read.damaged);
    EXPECT_FALSE(read.exact);
    EXPECT_EQ(read.notebook.ids(), n.ids());
    EXPECT_EQ(read.notebook.rows(), n.rows());

    // Kept on: the row recorded goes after the ten, and the text is the keeper's own again.
    Shared shared;
    shared.text = touched;
    Door door(shared, 0, true);
    NotebookKeeper keeper(&door, as_written);
    EXPECT_FALSE(keeper.load());
    EXPECT_EQ(*shared.text, touched);  // only read
    EXPECT_FALSE(keeper.add(row(10)));
    const StoredNotebook again = read_stored(*shared.text);
    EXPECT_TRUE(again.exact);
    ASSERT_EQ(again.notebook.rows().size(), 11u);
    EXPECT_EQ(again.notebook.rows().back(), row(10));
}

std::string crlf(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    ByAnEditor, ANotebookTouched,
    testing::Values(Touched{"crlf", crlf},
                    Touched{"byte_order_mark",
                            [](const std::string& t) { return "\xEF\xBB\xBF" + t; }},
                    Touched{"no_final_line_end",
                            [](const std::string& t) { return t.substr(0, t.size() - 1); }},
                    Touched{"blank_lines", [](const std::string& t) { return t + "\n\n"; }},
                    Touched{"all_of_them",
                            [](const std::string& t) {
                                const std::string c = crlf(t);
                                return "\xEF\xBB\xBF" + c.substr(0, c.size() - 2);
                            }}),
    testing::PrintToStringParamName());

}  // namespace
}  // namespace korru
