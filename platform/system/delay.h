// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

// Blocks the calling thread for the given milliseconds; a negative value
// counts as 0.
void Delay(std::int32_t milliseconds);
