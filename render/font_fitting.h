// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <functional>

// Font sizes are tried up to this many points.
inline constexpr std::int32_t LargestFontSize = 4096;

// One below the first size, counting from 1, whose measure exceeds `limit`:
// one point below the largest size that fits, so 0 or -1 for a tiny limit.
// Measures never shrink as the size grows, so that first size is found by
// doubling the step away from a guess and then halving it: the answer of
// trying every size in turn, with a handful of measurements, fewest where
// the measure grows in proportion to the size, as a text's extent does.
std::int32_t FittedFontSize(std::int32_t limit, const std::function<std::int32_t(std::int32_t size)>& measure);
