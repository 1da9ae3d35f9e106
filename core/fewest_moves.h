// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

#include "core/big_count.h"

// The fewest moves from a tower on one peg to a finished transfer, and whether
// no fewer is proven (three and four pegs, and every board small enough to
// search), as the solver counts them from a new game's board.
struct FewestMoves {
    BigCount Moves;
    bool Proven = false;
};
FewestMoves FewestFromTower(std::int32_t pegCount, std::int32_t diskCount);
