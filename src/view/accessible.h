// SPDX-License-Identifier: MIT
// What a screen reader is told beyond the toolkit's own: option buttons as option buttons. The
// window keeps each option pair exclusive itself (so that Tab visits both buttons of a pair),
// and the toolkit reports a non-exclusive option button as a check box.
#pragma once

namespace korru::view {

// Installs the accessibility factory for the window's option buttons. Call once, before the
// window is made; calling again does nothing.
void install_accessibility();

}  // namespace korru::view
