// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <vector>

#include "core/plan_outline.h"

// A legal plan over four or more pegs that gathers every disk on `target`
// from any position (`pegOfSize` as in TowerPosition), through the splitting
// of the Frame–Stewart plan: from a tower on one peg it is that plan.
//
// For a range of disks the split puts the top ones aside on a peg of their
// own, gathers the lower ones on the target with that peg left out, and brings
// the top ones across as a tower. Top disks already stacked alone on a peg
// other than the target, at least as many as the Frame–Stewart split, stay
// there. Otherwise the top part is that split, gathered on a peg that holds
// none of the lower disks: the one its longest disk lies on if it may, else
// the leftmost. Where every peg but the target holds a lower disk, the top
// part grows down to the longest disk of the peg whose longest disk is
// shortest, and gathers there. Disks lying in order at the bottom of the
// target never move, and three pegs take the shortest plan.
//
// Each decision depends only on disks that keep still until it is carried
// out, so the plan from any position it passes through is the rest of it: a
// player following the first move each time makes exactly the count.
PlanOutline SplitPlan(const std::vector<std::int32_t>& pegOfSize, std::int32_t pegCount, std::int32_t target);
