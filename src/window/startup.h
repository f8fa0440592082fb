// SPDX-License-Identifier: MIT
// Start-up: fits the window to the screen, lays out the panel row, then builds the fixed bench
// and runs the first scene update. Runs once, before the window is shown.
#pragma once

#include <string>

#include "window/window.h"

namespace korru {

struct VersionInfo {
    int major = 0, minor = 0, revision = 0;
    std::string legal_copyright;
};

// The program's own version information, from the build.
const VersionInfo& program_version();

struct ScreenSize {
    float width = 0, height = 0;  // twips
};

// At most this many passes of the fitting; real screens need a few.
inline constexpr int kMaxFittingPasses = 64;

// Raises RuntimeError for a screen the window cannot be fitted to.
void start_up(Window& w, ScreenSize screen, const VersionInfo& version = program_version());

}  // namespace korru
