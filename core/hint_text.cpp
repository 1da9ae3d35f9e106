// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/hint_text.h"

#include "core/board.h"

namespace {
constexpr std::size_t MostDigitsShown = 12;
}  // namespace

std::string MoveCountText(const BigCount& moves)
{
    const std::string digits = moves.DecimalText();
    return digits.size() <= MostDigitsShown ? digits : moves.PowerOfTenText();
}

std::string HintText(const SolverPlan& plan)
{
    if (!plan.NextMove)
        return {};
    return "提示：从 " + PegLetter(plan.NextMove->Source) + " 到 " + PegLetter(plan.NextMove->Target) + "（" +
           (plan.ProvenShortest ? "至少还需 " : "还需 ") + MoveCountText(plan.RemainingMoves) + " 步）";
}
