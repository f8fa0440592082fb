// SPDX-License-Identifier: MIT
// Start-up, the window's first event: fits the window to the screen, lays out the panel row,
// then builds the fixed bench and runs the first scene update. Runs once, before the window is
// shown.
#pragma once

#include "window/layout.h"

namespace korru {

// The program's own version information, from the build.
const VersionInfo& program_version();

// Raises RuntimeError for a screen the window cannot be fitted to.
void start_up(Window& w, ScreenSize screen, const VersionInfo& version = program_version());

}  // namespace korru
