// SPDX-License-Identifier: MIT
// The window's layout at start-up: fits the window to the screen, sizes the bench area, lays out
// the panel row and writes the version and copyright captions.
#pragma once

#include <string>

#include "window/screen.h"
#include "window/window.h"

namespace korru {

struct VersionInfo {
    int major = 0, minor = 0, revision = 0;
    std::string legal_copyright;
};

// The window's frame as a face assumes it where the platform tells none: 60 twips at the sides
// and the bottom, a title bar of 345.
inline constexpr float kNominalFrameSide = 60, kNominalTitleBar = 345;

// At most this many passes of the fitting; real screens need a few.
inline constexpr int kMaxFittingPasses = 64;

// Raises RuntimeError for a screen the window cannot be fitted to.
void lay_out_window(Window& w, ScreenSize screen, const VersionInfo& version);

}  // namespace korru
