// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <vector>

#include "platform/templates/window_template.h"

// Full screen is the main window without a border, moved over the whole
// screen. SavedWindowRect holds the window's normal outer rectangle from
// before: leaving full screen returns to it, and a save made meanwhile
// stores it as the window's place.
extern Rect SavedWindowRect;
bool InFullScreen(const WindowUnit& window);

// The rectangle the settings store as a window's place, the one it returns
// to: the rectangle from before full screen while that is on, else the
// window's normal rectangle, also while it is maximised or minimised.
Rect PlaceToStore(const WindowUnit& window);

// A stored window smaller than this cannot be grabbed by its title bar: only
// then is its size changed. Any size a player could choose is kept.
inline constexpr int MinPlacementWidth = 64;
inline constexpr int MinPlacementHeight = 24;

// A stored window rectangle made usable: grown to a size that can be grabbed;
// fitted into the desktop area of its screen when larger than it; and, when
// its title bar could not be grabbed on any screen, moved onto the start
// screen (centred, fitted when larger). Anything else is kept as stored.
Rect PlacementOnScreen(Rect stored, const std::vector<Rect>& screens, const Rect& startScreen);
