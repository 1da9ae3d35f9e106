// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>

#include "core/big_count.h"
#include "core/plan_outline.h"
#include "core/position_search.h"
#include "core/tower_position.h"

// A plan from a position to a finished transfer: every disk on one peg other
// than the main peg.
struct SolverPlan {
    // The peg the plan gathers the disks on.
    std::int32_t TargetPeg = 0;
    // The moves the plan makes from here.
    BigCount RemainingMoves;
    // Whether no plan from here is shorter is proven, not merely presumed.
    bool ProvenShortest = false;
    // The first move; none when the transfer is finished.
    std::optional<PegMove> NextMove;
};

// The plan from `position`, chosen so:
// - Three pegs: the shortest plan, for each peg a transfer may end on, and
//   the shorter of the two.
// - A board whose search stays within `searchWorkLimit` (IsSearchable): the
//   shortest plan to the nearest finished transfer, found by search.
// - Otherwise the splitting plan (SplitPlan), from a tower on the main peg the
//   Frame–Stewart plan, shortest where proven so: with four pegs. It gathers
//   the disks where the longest disk lies if that is not the main peg (it then
//   never moves); from the main peg, on the peg nearest to it.
// Among plans of equal length the target is the first of TargetsByNearness.
// Following the next move each time, the plan from each position passed is the
// rest of the first one: the remaining count falls by one with every move.
SolverPlan PlanFrom(const TowerPosition& position, std::int64_t searchWorkLimit = SearchWorkLimit);

// The plan from the board as it stands.
SolverPlan PlanFromBoard(std::int64_t searchWorkLimit = SearchWorkLimit);
