// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/solver.h"

#include <utility>

#include "core/split_plan.h"
#include "core/three_peg_plan.h"
#include "core/transfer_target.h"

namespace {
SolverPlan Solved(std::int32_t target, PlanOutline outline, bool proven)
{
    return {target, std::move(outline.Moves), proven, outline.First};
}

SolverPlan ThreePegSolution(const TowerPosition& position)
{
    const std::int32_t last = std::int32_t(position.PegOfSize.size()) - 1;
    SolverPlan best;
    for (std::int32_t target : TargetsByNearness(3, position.MainPeg)) {
        PlanOutline outline = ThreePegPlan(position.PegOfSize, 0, last, target, {1, 2, 3});
        if (best.TargetPeg == 0 || outline.Moves < best.RemainingMoves)
            best = Solved(target, std::move(outline), true);
    }
    return best;
}

SolverPlan SplitSolution(const TowerPosition& position)
{
    const std::int32_t longestOn = position.PegOfSize.back();
    const std::int32_t target =
        longestOn != position.MainPeg ? longestOn : TargetsByNearness(position.PegCount, position.MainPeg).front();
    const bool fromTower = AllOnPeg(position, position.MainPeg);
    return Solved(target, SplitPlan(position.PegOfSize, position.PegCount, target),
                  fromTower && position.PegCount == 4);
}
}  // namespace

SolverPlan PlanFrom(const TowerPosition& position, std::int64_t searchWorkLimit)
{
    if (position.PegCount == 3)
        return ThreePegSolution(position);
    if (IsSearchable(position.PegCount, std::int32_t(position.PegOfSize.size()), searchWorkLimit)) {
        SearchedPlan searched = SearchPlan(position);
        return Solved(searched.Target, std::move(searched.Outline), true);
    }
    return SplitSolution(position);
}

SolverPlan PlanFromBoard(std::int64_t searchWorkLimit)
{
    return PlanFrom(BoardPosition(), searchWorkLimit);
}
