// SPDX-License-Identifier: MIT
// The whole window as JSON: the screen, the bench state and every item's properties in twips.
#pragma once

#include <string>

#include "window/screen.h"
#include "window/window.h"

namespace korru {

std::string scene_json(const Window& w, ScreenSize screen);

// The shortest text that reads back as `v`, laid out as std::to_chars(first, last, v) lays it
// out, found with printf and strtof alone. The JSON uses it where the standard library has no
// floating-point to_chars (the browser build).
std::string shortest_text(float v);

}  // namespace korru
