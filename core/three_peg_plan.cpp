// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/three_peg_plan.h"

namespace {
std::int32_t ThirdPeg(const std::array<std::int32_t, 3>& pegs, std::int32_t one, std::int32_t other)
{
    for (std::int32_t peg : pegs) {
        if (peg != one && peg != other)
            return peg;
    }
    return one;
}
}  // namespace

PlanOutline ThreePegPlan(const std::vector<std::int32_t>& pegOfSize, std::int32_t top, std::int32_t bottom,
                         std::int32_t target, const std::array<std::int32_t, 3>& pegs)
{
    PlanOutline plan;
    std::int32_t goal = target;
    for (std::int32_t size = bottom; size >= top; --size) {
        const std::int32_t on = pegOfSize[std::size_t(size)];
        if (on == goal)
            continue;
        plan.Moves.AddShifted(1, size - top);
        // The shortest disk off its goal moves first, so the last one found.
        plan.First = PegMove{on, goal};
        goal = ThirdPeg(pegs, on, goal);
    }
    return plan;
}
