// SPDX-License-Identifier: MIT
// Parsing of the snapshot tool's arguments. Everything is checked before anything runs, so a bad
// call writes nothing.
#include "app/snapshot_args.h"

#include <charconv>

#include "lesson/scene_text.h"

namespace korru {

std::string snapshot_usage() {
    std::string usage =
        "usage: korru-snapshot [--screen WxH] [--scene TEXT] [--json FILE] [--png FILE] "
        "[--svg FILE] CLICK...\n"
        "       korru-snapshot --list-clicks | --help | --version\n"
        "  --screen WxH   screen size in pixels of 15 twips (default 1024x768)\n"
        "  --scene TEXT   the clicks of a scene, as korru copies it (kosen.mr*24), made before "
        "any CLICK\n"
        "  --json FILE    the window's items and the bench state as JSON ('-' for standard "
        "output)\n"
        "  --png FILE     the window's client area as a picture\n"
        "  --svg FILE     the bench alone as a vector drawing\n"
        "  --list-clicks  the names of the clicks, one a line\n"
        "  --version      the version of korru-snapshot\n"
        "  CLICK         ";
    for (std::string_view name : step_names()) {
        usage += ' ';
        usage += name;
    }
    return usage + "\n";
}

namespace {

// Printable, and short enough for one line of an error message.
std::string shown(std::string_view s) {
    std::string out;
    for (unsigned char c : s.substr(0, 60)) {
        if (c < 0x20 || c == 0x7F) {
            static const char hex[] = "0123456789abcdef";
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    if (s.size() > 60) out += "...";
    return "'" + out + "'";
}

int screen_side(std::string_view text, std::string_view whole) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || text[0] == '-' || text[0] == '+' || end != text.data() + text.size() ||
        ec == std::errc::invalid_argument) {
        throw UsageError("malformed screen size " + shown(whole) + ": expected WxH in pixels");
    }
    if (ec == std::errc::result_out_of_range || value > kMaxScreenPixels) {
        throw UsageError("screen size " + shown(whole) + " too large: at most " +
                         std::to_string(kMaxScreenPixels) + " pixels a side");
    }
    if (value <= 0) throw UsageError("screen size " + shown(whole) + " is not positive");
    return value;
}

// A scene is taken whole or the call is refused, naming the part not understood.
SceneRead scene_read(std::string_view text) {
    SceneRead read = read_scene(text);
    switch (read.fault) {
        case SceneFault::none:
            return read;
        case SceneFault::unknown_click:
            throw UsageError("malformed scene: unknown click " + shown(read.part));
        case SceneFault::bad_escape:
            throw UsageError("malformed scene: bad escape " + shown(read.part));
        case SceneFault::bad_count:
            throw UsageError("malformed scene: bad count in " + shown(read.part));
        case SceneFault::too_many:
            throw UsageError("scene too long: at most " + std::to_string(kMostSceneClicks) +
                             " clicks");
        case SceneFault::too_long:
            throw UsageError("scene too long: at most " + std::to_string(kLongestSceneText) +
                             " characters");
    }
    throw UsageError("malformed scene");
}

void parse_screen(std::string_view text, SnapshotArgs& out) {
    const auto x = text.find('x');
    if (x == std::string_view::npos) {
        throw UsageError("malformed screen size " + shown(text) + ": expected WxH in pixels");
    }
    out.width_px = screen_side(text.substr(0, x), text);
    out.height_px = screen_side(text.substr(x + 1), text);
}

}  // namespace

SnapshotArgs parse_snapshot_args(std::span<const std::string_view> args) {
    SnapshotArgs out;
    bool screen_seen = false;
    std::optional<SceneRead> scene;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (arg == "-h" || arg == "--help") {
            out.help = true;
            continue;
        }
        if (arg == "--list-clicks") {
            out.list_clicks = true;
            continue;
        }
        if (arg == "--version") {
            out.version = true;
            continue;
        }
        if (arg.size() < 2 || arg.substr(0, 2) != "--") {
            const auto step = step_from_name(arg);
            if (!step) throw UsageError("unknown click " + shown(arg));
            out.steps.push_back(*step);
            continue;
        }
        std::string_view name = arg;
        std::optional<std::string_view> value;
        if (const auto eq = arg.find('='); eq != std::string_view::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
        }
        std::optional<std::string>* file = name == "--json"  ? &out.json
                                           : name == "--png" ? &out.png
                                           : name == "--svg" ? &out.svg
                                                             : nullptr;
        if (!file && name != "--screen" && name != "--scene") {
            throw UsageError("unknown option " + shown(name));
        }
        if (!value) {
            if (i + 1 == args.size()) throw UsageError("option " + shown(name) + " needs a value");
            value = args[++i];
        }
        if (name == "--screen") {
            if (screen_seen) throw UsageError("option '--screen' given twice");
            screen_seen = true;
            parse_screen(*value, out);
            continue;
        }
        if (name == "--scene") {
            if (scene) throw UsageError("option '--scene' given twice");
            scene = scene_read(*value);
            continue;
        }
        if (*file) throw UsageError("option " + shown(name) + " given twice");
        if (value->empty()) throw UsageError("option " + shown(name) + " needs a file name");
        *file = std::string(*value);
    }
    if (scene) {
        out.steps.insert(out.steps.begin(), scene->steps.begin(), scene->steps.end());
        out.projector = scene->projector;
    }
    if (!out.help && !out.version && !out.list_clicks && !out.json && !out.png && !out.svg) {
        throw UsageError("nothing to write: give --json, --png or --svg");
    }
    const int to_stdout = (out.json == "-") + (out.png == "-") + (out.svg == "-");
    if (to_stdout > 1) throw UsageError("only one output can go to standard output");
    return out;
}

}  // namespace korru
