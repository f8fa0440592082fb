// korru-snapshot: starts the window model on a given screen, runs a list of clicks through the
// same handlers as the window, and writes what results.
// Exit status: 0 done, 1 a run-time error of the model or a file that cannot be written,
// 2 a malformed call.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <vector>

#include "app/scene_json.h"
#include "app/snapshot_args.h"
#include "commands/commands.h"
#include "window/startup.h"

namespace {

bool write_text(const std::string& file, const std::string& text) {
    if (file == "-") {
        std::cout << text << std::flush;
        return static_cast<bool>(std::cout);
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) std::cerr << "korru-snapshot: cannot write " << file << "\n";
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace korru;
    const std::vector<std::string_view> raw(argv + (argc > 0 ? 1 : 0), argv + argc);
    SnapshotArgs args;
    try {
        args = parse_snapshot_args(raw);
    } catch (const UsageError& e) {
        std::cerr << "korru-snapshot: " << e.what() << "\n";
        return 2;
    }
    if (args.help) {
        std::cout << kSnapshotUsage;
        return 0;
    }
    if (args.png || args.svg) {
        std::cerr << "korru-snapshot: pictures need the window toolkit, not built here\n";
        return 2;
    }

    const ScreenSize screen{static_cast<float>(args.width_px) * 15,
                            static_cast<float>(args.height_px) * 15};
    Window w;
    try {
        start_up(w, screen);
        for (Click c : args.clicks) click(w, c);
    } catch (const RuntimeError& e) {
        std::cerr << "korru-snapshot: " << e.what() << "\n";
        return 1;
    }
    if (args.json && !write_text(*args.json, scene_json(w, screen))) return 1;
    return 0;
}
