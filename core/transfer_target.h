// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <vector>

// The pegs a transfer may end on, every peg but the main one, in the order the
// solver prefers them among plans of equal length: the nearest to the main
// peg first, and of two as near, the left one.
std::vector<std::int32_t> TargetsByNearness(std::int32_t pegCount, std::int32_t mainPeg);
