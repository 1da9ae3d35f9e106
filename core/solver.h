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
// - Three pegs: for each peg a transfer may end on, the shortest plan, and of
//   the two the shorter.
// - A board whose search stays within `searchWorkLimit` (IsSearchable): the
//   shortest plan to the nearest finished transfer, found by search.
// - Otherwise the splitting plan (SplitPlan). From a tower on the main peg it
//   is the Frame–Stewart plan, proven shortest with four pegs; elsewhere it is
//   not proven shortest. It gathers the disks on the peg the longest disk
//   lies on when that is not the main peg (the longest disk then never moves),
//   else on the peg nearest the main peg. Unlike the shortest of the
//   splitting plans to each peg, that choice holds still as the plan goes on.
// Of plans of equal length, the target is the first of TargetsByNearness.
// Following the next move each time, the plan from each position passed is the
// rest of the first one: the remaining count falls by one with every move.
SolverPlan PlanFrom(const TowerPosition& position, std::int64_t searchWorkLimit = SearchWorkLimit);

// The plan from the board as it stands.
SolverPlan PlanFromBoard(std::int64_t searchWorkLimit = SearchWorkLimit);
