// SPDX-License-Identifier: MIT
// The snapshot tool's command line:
//   korru-snapshot [--screen WxH] [--scene TEXT] [--json FILE] [--png FILE] [--svg FILE] CLICK...
//   korru-snapshot --list-clicks | --help | --version
#pragma once

#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "lesson/steps.h"

namespace korru {

// A malformed call; its message is one line naming what was wrong.
class UsageError : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

inline constexpr int kMaxScreenPixels = 1'000'000;  // per side

struct SnapshotArgs {
    int width_px = 1024, height_px = 768;       // the screen, in pixels of 15 twips
    std::optional<std::string> json, png, svg;  // "-" for standard output
    std::vector<Step> steps;                    // the scene's (--scene), then the CLICK arguments
    bool projector = false;                     // the scene asks for the projector's look
    bool help = false;
    bool version = false;
    bool list_clicks = false;
};

SnapshotArgs parse_snapshot_args(std::span<const std::string_view> args);

std::string snapshot_usage();

}  // namespace korru
