// SPDX-License-Identifier: MIT
// The whole window as JSON: the screen, the bench state and every item's properties in twips.
#pragma once

#include <string>

#include "window/screen.h"
#include "window/window.h"

namespace korru {

std::string scene_json(const Window& w, ScreenSize screen);

}  // namespace korru
