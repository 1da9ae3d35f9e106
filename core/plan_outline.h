// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>

#include "core/big_count.h"

// One move of a plan: the top disk of `Source` goes onto `Target`.
struct PegMove {
    std::int32_t Source = 0;
    std::int32_t Target = 0;
    bool operator==(const PegMove&) const = default;
};

// What a plan from a position comes to, without its moves spelled out: how
// many it makes and the first of them (none for an empty plan).
struct PlanOutline {
    BigCount Moves;
    std::optional<PegMove> First;
};

// One plan carried out after another.
inline PlanOutline Then(PlanOutline first, const PlanOutline& second)
{
    first.Moves += second.Moves;
    if (!first.First)
        first.First = second.First;
    return first;
}
