#pragma once
#include <vector>

#include "platform/window_template.h"

// The smallest stored window that still shows its title bar and a corner of the board.
inline constexpr int MinPlacementWidth = 200;
inline constexpr int MinPlacementHeight = 150;

// A stored window rectangle made usable: grown to the smallest usable size,
// and, when its title bar could not be grabbed on any screen, moved onto the
// start screen (centred, or at its top-left corner when it is larger).
// Anything else is kept as stored.
Rect PlacementOnScreen(Rect stored, const std::vector<Rect>& screens, const Rect& startScreen);
