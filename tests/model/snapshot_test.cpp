// SPDX-License-Identifier: MIT
// korru-snapshot: its argument parsing, and the JSON dump read back and compared with the model
// run in-process through the same clicks.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <variant>

#include "app/snapshot_args.h"
#include "support.h"

namespace korru {
namespace {

// A small JSON reader: objects, strings, numbers (kept as text), true/false.
struct Json {
    std::variant<std::string, std::map<std::string, Json>> v;
    bool is_string = false;  // a string, as opposed to a number or literal
    const Json& operator[](const std::string& k) const { return std::get<1>(v).at(k); }
    const std::string& text() const { return std::get<0>(v); }
    float number() const {
        std::size_t used = 0;
        const float f = std::stof(text(), &used);
        EXPECT_EQ(used, text().size());
        return f;
    }
    std::size_t size() const { return std::get<1>(v).size(); }
};

class Reader {
  public:
    explicit Reader(std::string s) : s_(std::move(s)) {}
    Json value() {
        skip();
        Json j;
        if (s_.at(i_) == '{') {
            std::map<std::string, Json> m;
            ++i_;
            skip();
            while (s_.at(i_) != '}') {
                const std::string k = string();
                skip();
                expect(':');
                EXPECT_TRUE(m.emplace(k, value()).second) << "duplicate key " << k;
                skip();
                if (s_.at(i_) == ',') ++i_, skip();
            }
            ++i_;
            j.v = std::move(m);
        } else if (s_.at(i_) == '"') {
            j.v = string();
            j.is_string = true;
        } else {
            const std::size_t start = i_;
            while (i_ < s_.size() && std::string_view(",}] \n").find(s_[i_]) == std::string::npos)
                ++i_;
            j.v = s_.substr(start, i_ - start);
        }
        return j;
    }
    bool at_end() {
        skip();
        return i_ == s_.size();
    }

  private:
    std::string string() {
        expect('"');
        std::string out;
        while (s_.at(i_) != '"') {
            if (s_[i_] == '\\') ++i_;
            out += s_.at(i_++);
        }
        ++i_;
        return out;
    }
    void expect(char c) {
        if (s_.at(i_) != c) throw std::runtime_error(std::string("expected ") + c);
        ++i_;
    }
    void skip() {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\n')) ++i_;
    }
    std::string s_;
    std::size_t i_ = 0;
};

struct ToolRun {
    int status;
    std::string out, err;
};

ToolRun run_snapshot(const std::string& args) {
    const auto dir = std::filesystem::temp_directory_path();
    // Named after the process: CTest may run several of these tests at once.
    const std::string stem = "korru_snapshot_test." + std::to_string(::getpid());
    const auto out = dir / (stem + ".out"), err = dir / (stem + ".err");
    const std::string cmd =
        std::string(KORRU_SNAPSHOT) + " " + args + " >" + out.string() + " 2>" + err.string();
    const int raw = std::system(cmd.c_str());
    const auto slurp = [](const std::filesystem::path& p) {
        std::ifstream in(p);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    };
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(out), slurp(err)};
}

TEST(Snapshot, JsonHoldsEveryItemAndReadsBackToTheSameFloats) {
    const ToolRun r = run_snapshot("--json - ml ml 'fmove(0)' kosen");
    ASSERT_EQ(r.status, 0) << r.err;
    Reader reader(r.out);
    const Json doc = reader.value();
    EXPECT_TRUE(reader.at_end());

    Window w = test::started();
    for (Click c : {Click::ml, Click::ml, Click::fmove_long, Click::kosen}) click(w, c);

    EXPECT_EQ(doc["screen"]["width"].number(), 15360);
    EXPECT_EQ(doc["screen"]["height"].number(), 11520);
    EXPECT_EQ(doc["state"]["flen"].number(), w.bench.flen);
    EXPECT_EQ(doc["state"]["sdist"].number(), w.bench.sdist);
    EXPECT_EQ(doc["state"]["step"].number(), w.bench.step);
    EXPECT_EQ(doc["state"].size(), 7u);

    const Json& items = doc["items"];
    ASSERT_EQ(items.size(), 97u);
    EXPECT_EQ(items["main"]["kind"].text(), "window");
    EXPECT_EQ(items["main"]["caption"].text(), "Tavensu");
    EXPECT_EQ(items["main"]["height"].number(), w.main.height);
    for (std::size_t i = 0; i < kItemCount; ++i) {
        const ItemDef& d = kItems[i];
        const Item& it = w.items[i];
        const Json& j = items[item_label(d)];
        SCOPED_TRACE(item_label(d));
        if (d.kind == Kind::line) {
            EXPECT_EQ(j["x1"].number(), it.x1);
            EXPECT_EQ(j["y2"].number(), it.y2);
            EXPECT_EQ(j.size(), 6u);  // kind, four ends, visible
        } else {
            EXPECT_EQ(j["left"].number(), it.left);
            EXPECT_EQ(j["top"].number(), it.top);
            EXPECT_EQ(j["width"].number(), it.width);
            EXPECT_EQ(j["height"].number(), it.height);
        }
    }
    EXPECT_EQ(items["kosen"]["value"].text(), "1");
    EXPECT_EQ(items["fmove(0)"]["value"].text(), "true");
    EXPECT_EQ(items["fmove(1)"]["value"].text(), "false");
    EXPECT_EQ(items["rl(0)"]["visible"].text(), "true");
    EXPECT_EQ(items["LXL(18)"]["visible"].text(), "false");
    EXPECT_EQ(items["image_t"]["caption"].text(), w.image_label().caption);
    EXPECT_EQ(items["work"]["kind"].text(), "bench");
    EXPECT_EQ(items["ver"]["caption"].text(), "ver.1.0.1");
}

TEST(Snapshot, BadCallsExitTwoWithOneLineAndWriteNothing) {
    const auto file = std::filesystem::temp_directory_path() /
                      ("korru_snapshot_bad." + std::to_string(::getpid()) + ".json");
    for (const char* args :
         {"--jsn x", "--screen 1024 --json F", "--screen 0x768 --json F",
          "--screen 1024x-1 --json F", "--screen axb --json F", "--screen 99999999999x2 --json F",
          "--json F ml left", "--json F 'fmove(2)'", "--json", "--json F --json F", "ml",
          "--json F owari", "--json '' ml", "--json F --scene 'kosen.nosuch'",
          "--json F --scene 'mr*0'", "--json F --scene ml --scene mr", "--json F --scene"}) {
        std::filesystem::remove(file);
        std::string a = args;
        for (auto pos = a.find(" F"); pos != std::string::npos; pos = a.find(" F"))
            a.replace(pos, 2, " " + file.string());
        const ToolRun r = run_snapshot(a);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << args << ": " << r.err;
        EXPECT_FALSE(std::filesystem::exists(file)) << args;
    }
}

TEST(Snapshot, RefusedScreenExitsOneWithTheModelsMessage) {
    const ToolRun r = run_snapshot("--screen 100x100 --json -");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("run-time error in start-up"), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty());
}

// The clicks a script may replay, one a line, each of them taken back by the tool; the end
// button is not among them.
TEST(Snapshot, ListsTheClicksItTakes) {
    const ToolRun r = run_snapshot("--list-clicks");
    ASSERT_EQ(r.status, 0) << r.err;
    std::string expected;
    for (std::string_view name : step_names()) expected += std::string(name) + "\n";
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(r.out.find("owari"), std::string::npos);
    std::string every;
    for (std::string_view name : step_names()) every += " '" + std::string(name) + "'";
    EXPECT_EQ(run_snapshot("--json /dev/null" + every).status, 0);
}

// A scene's clicks come first, wherever --scene stands; a scene not understood is refused whole,
// naming the part.
TEST(SnapshotArgs, TakesASceneWholeBeforeTheClicks) {
    const std::string_view args[] = {"md", "--scene=kosen.mr*3", "--json", "-", "ml"};
    EXPECT_EQ(
        parse_snapshot_args(args).steps,
        (std::vector<Step>{Click::kosen, Click::mr, Click::mr, Click::mr, Click::md, Click::ml}));
    const std::string_view bad[] = {"--json", "-", "--scene", "kosen.mr*x", "ml"};
    try {
        parse_snapshot_args(bad);
        ADD_FAILURE() << "a bad scene was taken";
    } catch (const UsageError& e) {
        EXPECT_STREQ(e.what(), "malformed scene: bad count in 'mr*x'");
    }
    const std::string_view version[] = {"--version"};
    EXPECT_TRUE(parse_snapshot_args(version).version);
}

TEST(SnapshotArgs, ReadsScreenOutputsAndClicksInOrder) {
    const std::string_view args[] = {"--screen", "800x600", "--json=-", "mu", "smove(0)", "md"};
    const SnapshotArgs a = parse_snapshot_args(args);
    EXPECT_EQ(a.width_px, 800);
    EXPECT_EQ(a.height_px, 600);
    EXPECT_EQ(a.json, "-");
    EXPECT_EQ(a.steps, (std::vector<Step>{Click::mu, Click::smove_large, Click::md}));
    const std::string_view two_stdout[] = {"--json", "-", "--svg", "-"};
    EXPECT_THROW(parse_snapshot_args(two_stdout), UsageError);
}

}  // namespace
}  // namespace korru
