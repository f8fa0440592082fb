// SPDX-License-Identifier: MIT
// The program's layers depend one way: window <- bench <- commands <- lesson <- view, web, app.
// Each folder's #include lines are read and checked against the folders it may build on; the model
// folders include no toolkit header.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>

namespace korru {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = fs::path(KORRU_SOURCE_DIR) / "src";

// The folders each folder's files may include from, and single headers allowed beyond them.
const std::map<std::string, std::set<std::string>> kMayInclude{
    {"window", {"window", "bench/state.h"}},
    {"bench", {"window", "bench", "assets"}},
    {"commands", {"window", "bench", "commands", "version.h"}},
    {"lesson", {"window", "bench", "commands", "lesson"}},
    {"view", {"window", "bench", "commands", "lesson", "view", "assets"}},
    {"web", {"window", "bench", "commands", "lesson", "web", "assets"}},
    {"app", {"window", "bench", "commands", "lesson", "view", "app"}},
};

struct Include {
    fs::path file;
    std::string line, target;
};

// Every #include of every file in src/<folder>.
std::vector<Include> includes_of(const std::string& folder) {
    std::vector<Include> found;
    if (!fs::exists(kSource / folder)) return found;
    for (const auto& entry : fs::recursive_directory_iterator(kSource / folder)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path());
        for (std::string line; std::getline(in, line);) {
            const auto hash = line.find_first_not_of(" \t");
            if (hash == std::string::npos || line.compare(hash, 8, "#include") != 0) continue;
            const auto open = line.find_first_of("\"<", hash);
            const auto close = line.find_first_of("\">", open + 1);
            if (open == std::string::npos || close == std::string::npos) continue;
            found.push_back({entry.path(), line, line.substr(open, close - open + 1)});
        }
    }
    return found;
}

bool allowed(const std::set<std::string>& may, const std::string& target) {
    if (target.front() != '"') return true;  // the standard library and the toolkit
    const std::string path = target.substr(1, target.size() - 2);
    return may.count(path) > 0 || may.count(path.substr(0, path.find('/'))) > 0;
}

TEST(Layers, EachFolderIncludesOnlyFromTheLayersBeneathIt) {
    for (const auto& entry : fs::directory_iterator(kSource)) {
        const std::string folder = entry.path().filename().string();
        ASSERT_TRUE(kMayInclude.count(folder)) << "src/" << folder << " has no place in the layers";
        const auto& may = kMayInclude.at(folder);
        for (const Include& inc : includes_of(folder)) {
            EXPECT_TRUE(allowed(may, inc.target)) << inc.file << ": " << inc.line;
        }
    }
}

TEST(Layers, TheModelIncludesNoToolkitHeader) {
    const std::filesystem::path root = KORRU_SOURCE_DIR;
    int files = 0;
    for (const char* dir : {"src/window", "src/bench", "src/commands", "src/lesson"}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root / dir)) {
            if (!entry.is_regular_file()) continue;
            ++files;
            std::ifstream in(entry.path());
            std::string line;
            while (std::getline(in, line)) {
                const auto hash = line.find_first_not_of(" \t");
                if (hash == std::string::npos || line[hash] != '#') continue;
                EXPECT_EQ(line.find("<Q"), std::string::npos) << entry.path() << ": " << line;
                EXPECT_EQ(line.find("\"Q"), std::string::npos) << entry.path() << ": " << line;
            }
        }
    }
    EXPECT_GE(files, 8);
}

// The checks themselves: an include that runs against the layers is caught.
TEST(Layers, TheCheckCatchesAnUpwardInclude) {
    EXPECT_FALSE(allowed(kMayInclude.at("window"), "\"bench/scene.h\""));
    EXPECT_FALSE(allowed(kMayInclude.at("bench"), "\"commands/commands.h\""));
    EXPECT_FALSE(allowed(kMayInclude.at("commands"), "\"view/twips.h\""));
    EXPECT_FALSE(allowed(kMayInclude.at("view"), "\"app/snapshot_args.h\""));
    EXPECT_FALSE(allowed(kMayInclude.at("web"), "\"view/twips.h\""));
    EXPECT_TRUE(allowed(kMayInclude.at("window"), "\"bench/state.h\""));
    EXPECT_TRUE(allowed(kMayInclude.at("bench"), "<vector>"));
}

}  // namespace
}  // namespace korru
