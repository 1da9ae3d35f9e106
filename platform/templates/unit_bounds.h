// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <algorithm>
#include <cstdint>

// How far a unit's left, top, width and height reach when set one at a time:
// a position beyond ±PositionLimit or a size outside 0..PositionLimit is held
// to the nearest bound, as the system's window coordinates are.
inline constexpr std::int32_t PositionLimit = 32627;

inline std::int32_t BoundedPosition(std::int32_t position)
{
    return std::clamp(position, -PositionLimit, PositionLimit);
}

inline std::int32_t BoundedExtent(std::int32_t extent)
{
    return std::clamp(extent, 0, PositionLimit);
}
