// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "core/main_window_units.h"

// The game clock: interval 0 stopped, 1000 ms running.
inline constexpr TimerUnit GameClock = 时钟耗费时间;

// Makes the main window show the course of the game; called when it is created.
void InstallMainWindowView();
// The pause cover over the whole play area, above the status bar.
void PlacePauseCover();
