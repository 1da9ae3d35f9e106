// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

#include "core/plan_outline.h"
#include "core/tower_position.h"

// The shortest plan found by searching every position of the board, breadth
// first from the finished transfers: for every position, the fewest moves to
// the nearest one, and which one that is.

// The most a search may look at, counted as the positions of the board times
// its pegs (pegs^(disks + 1)): four pegs and nine disks, five and eight, six
// and seven, or eight and six. Searches of that size take 35 to 60 ms on the
// machine this was measured on.
inline constexpr std::int64_t SearchWorkLimit = std::int64_t(1) << 21;

// Whether a search of the board stays within `workLimit`.
bool IsSearchable(std::int32_t pegCount, std::int32_t diskCount, std::int64_t workLimit);

// A plan found by search, and the peg it ends on.
struct SearchedPlan {
    std::int32_t Target = 0;
    PlanOutline Outline;
};

// The shortest plan to the nearest finished transfer; of equally near ones,
// the one on the first peg of TargetsByNearness. The board must be
// searchable. The last board's search is kept, so asking again from another
// position of the same board (as each move of a demonstration does) costs no
// search.
SearchedPlan SearchPlan(const TowerPosition& position);
