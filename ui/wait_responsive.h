// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

// Waits about that many milliseconds in steps of 10, handling the window
// messages that arrive meanwhile, so the game stays responsive.
void WaitResponsive(std::int32_t milliseconds);
