// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <vector>

#include "platform/templates/window_template.h"

// A stored window smaller than this cannot be grabbed by its title bar: only
// then is its size changed. Any size a player could choose is kept.
inline constexpr int MinPlacementWidth = 64;
inline constexpr int MinPlacementHeight = 24;

// A stored window rectangle made usable: grown to a size that can be grabbed;
// fitted into the desktop area of its screen when larger than it; and, when
// its title bar could not be grabbed on any screen, moved onto the start
// screen (centred, fitted when larger). Anything else is kept as stored.
Rect PlacementOnScreen(Rect stored, const std::vector<Rect>& screens, const Rect& startScreen);
