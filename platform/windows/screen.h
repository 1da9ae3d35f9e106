// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <vector>

#include "platform/templates/window_template.h"

// Size of the screen that holds the game's main window (the primary screen before it is shown).
std::int32_t ScreenWidth();
std::int32_t ScreenHeight();
// Horizontal screen position of the mouse: that of the mouse event being handled, if any.
std::int32_t CursorX();
// The desktop area of every screen, without task bars and docks.
std::vector<Rect> ScreenAreas();
// The desktop area of the screen new windows open on.
Rect StartScreenArea();
