// SPDX-License-Identifier: MIT
// Start-up: the window's layout, then the fixed bench and the first scene update.
#include "commands/startup.h"

#include "bench/setup.h"
#include "version.h"

namespace korru {

const VersionInfo& program_version() {
    static const VersionInfo info{KORRU_VERSION_MAJOR, KORRU_VERSION_MINOR, KORRU_VERSION_REVISION,
                                  KORRU_LEGAL_COPYRIGHT};
    return info;
}

void start_up(Window& w, ScreenSize screen, const VersionInfo& version) {
    lay_out_window(w, screen, version);
    set_up_bench(w);
}

}  // namespace korru
