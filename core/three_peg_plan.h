// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "core/plan_outline.h"

// The shortest plan that gathers the disks of sizes `top`..`bottom` (indexes
// into `pegOfSize`, the topmost first) on peg `target`, moving them only over
// the three pegs `pegs`, which must hold all of them. Disks above the range
// must lie on other pegs, disks below it stay where they are.
//
// The longest disk not yet on its goal decides, starting with the target as
// the goal of the longest disk: where a disk lies on its goal, the next shorter
// disk has the same goal and this one never moves; where it does not, the
// shorter disks first gather on the third peg, the disk moves across once, and
// they follow it as a tower: 2^j moves for a disk j places below the top of
// the range, counting that disk's own move. No plan is shorter.
PlanOutline ThreePegPlan(const std::vector<std::int32_t>& pegOfSize, std::int32_t top, std::int32_t bottom,
                         std::int32_t target, const std::array<std::int32_t, 3>& pegs);
