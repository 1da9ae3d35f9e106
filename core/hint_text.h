// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "core/big_count.h"
#include "core/solver.h"

// A move count as the status bar shows it: all its digits up to twelve, in
// powers of ten beyond ("1.84×10^19").
std::string MoveCountText(const BigCount& moves);

// The tip that names a plan's next move and what remains:
// "提示：从 A 到 C（还需 7 步）", or "（至少还需 7 步）" where the plan is proven
// shortest. Empty when the transfer is finished.
std::string HintText(const SolverPlan& plan);
