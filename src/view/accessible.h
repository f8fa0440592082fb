// SPDX-License-Identifier: MIT
// What a screen reader is told beyond the toolkit's own: option buttons as option buttons (the
// window keeps each option pair exclusive itself, so that Tab visits both buttons of a pair, and
// the toolkit reports a non-exclusive option button as a check box), and the window's notice as
// an alert.
#pragma once

namespace korru::view {

// Installs the accessibility factory for the window's option buttons and its notice. Call once,
// before the window is made; calling again does nothing.
void install_accessibility();

}  // namespace korru::view
