// SPDX-License-Identifier: MIT
// Random command lines for korru-snapshot: random bytes, huge numbers, empty strings, scenes good
// and bad, repeated and missing options. In-process, the parser either accepts a call or refuses it
// with one printable line; through the real tool, a refused call exits 2 with one line and writes
// no file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "app/snapshot_args.h"

namespace korru {
namespace {

class CommandLines {
  public:
    explicit CommandLines(std::uint32_t seed) : rng_(seed) {}

    std::vector<std::string> next(const std::string& file) {
        std::vector<std::string> args;
        const int n = std::uniform_int_distribution<int>(0, 6)(rng_);
        for (int i = 0; i < n; ++i) args.push_back(token(file));
        return args;
    }

  private:
    std::string token(const std::string& file) {
        static const char* const pieces[] = {"--json",
                                             "--png",
                                             "--svg",
                                             "--screen",
                                             "--json=",
                                             "--screen=",
                                             "-",
                                             "--",
                                             "",
                                             "ml",
                                             "mr",
                                             "mu",
                                             "md",
                                             "fmove(0)",
                                             "fmove(1)",
                                             "smove(0)",
                                             "smove(1)",
                                             "sukurin",
                                             "kosen",
                                             "syoten",
                                             "hogan",
                                             "owari",
                                             "fmove(2)",
                                             "1024x768",
                                             "0x0",
                                             "-5x10",
                                             "99999999999999999999x1",
                                             "1000000x1000000",
                                             "1000001x1",
                                             "800x",
                                             "x600",
                                             "8x6x4",
                                             "1e3x2",
                                             " 800x600",
                                             "0800x0600",
                                             "--screen=640x480",
                                             "--help",
                                             "--version",
                                             "--scene",
                                             "--scene=",
                                             "kosen.mr*3",
                                             "mr*0",
                                             "ml*100001",
                                             "fmove%280%29.hogan%2"};
        switch (std::uniform_int_distribution<int>(0, 9)(rng_)) {
            case 0:
                return random_bytes();
            case 1:
                return file;
            case 2:
                return std::to_string(rng_()) + "x" + std::to_string(rng_());
            default: {
                const auto k =
                    std::uniform_int_distribution<std::size_t>(0, std::size(pieces) - 1)(rng_);
                return pieces[k];
            }
        }
    }
    std::string random_bytes() {
        std::string s(std::uniform_int_distribution<std::size_t>(0, 12)(rng_), '\0');
        // Any byte but '/', so that a name the tool accepts stays in the test's own folder.
        for (char& c : s) {
            do {
                c = static_cast<char>(std::uniform_int_distribution<int>(1, 255)(rng_));
            } while (c == '/');
        }
        return s;
    }
    std::mt19937 rng_;
};

bool one_printable_line(const std::string& s) {
    if (s.empty()) return false;
    for (unsigned char c : s) {
        if (c < 0x20 || c == 0x7F) return false;
    }
    return true;
}

TEST(ArgsFuzz, EveryCallIsAcceptedOrRefusedWithOneLine) {
    const std::uint32_t seed = 424242;
    CommandLines gen(seed);
    int refused = 0, accepted = 0;
    for (int n = 0; n < 200000; ++n) {
        const auto owned = gen.next("out.json");
        const std::vector<std::string_view> args(owned.begin(), owned.end());
        try {
            const SnapshotArgs a = parse_snapshot_args(args);
            ++accepted;
            ASSERT_TRUE(a.help || a.version || a.list_clicks || a.json || a.png || a.svg);
            ASSERT_GT(a.width_px, 0);
            ASSERT_LE(a.width_px, kMaxScreenPixels);
            ASSERT_GT(a.height_px, 0);
            ASSERT_LE(a.height_px, kMaxScreenPixels);
            for (const auto* file : {&a.json, &a.png, &a.svg}) {
                ASSERT_TRUE(!*file || !(*file)->empty());
            }
        } catch (const UsageError& e) {
            ++refused;
            ASSERT_TRUE(one_printable_line(e.what())) << "seed " << seed << ": " << e.what();
        }
    }
    EXPECT_GT(accepted, 1000);
    EXPECT_GT(refused, 1000);
}

TEST(ArgsFuzz, TheToolRefusesMalformedCallsWithoutWritingAFile) {
    namespace fs = std::filesystem;
    const fs::path dir =
        fs::temp_directory_path() / ("korru_args_fuzz." + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path file = dir / "out.json";
    const fs::path err = dir / "err.txt";
    CommandLines gen(20261207);
    int refused = 0;
    for (int n = 0; n < 300; ++n) {
        const auto args = gen.next(file.string());
        std::string cmd = "cd '" + dir.string() + "' && " KORRU_SNAPSHOT;
        for (const std::string& a : args) {
            std::string quoted = "'";
            for (char c : a) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
            cmd += " " + quoted + "'";
        }
        cmd += " >/dev/null 2>" + err.string() + " </dev/null";
        fs::remove(file);
        const int raw = std::system(cmd.c_str());
        ASSERT_TRUE(WIFEXITED(raw)) << cmd;  // never a crash
        const int status = WEXITSTATUS(raw);
        std::ifstream in(err);
        std::stringstream text;
        text << in.rdbuf();
        const std::string e = text.str();
        if (status == 2) {
            ++refused;
            EXPECT_EQ(std::count(e.begin(), e.end(), '\n'), 1) << cmd << "\n" << e;
            EXPECT_FALSE(fs::exists(file)) << cmd;
        } else {
            EXPECT_TRUE(status == 0 || status == 1) << cmd << " -> " << status;
        }
    }
    EXPECT_GT(refused, 100);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace korru
