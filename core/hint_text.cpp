// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/hint_text.h"

#include "core/board.h"
#include "platform/texts/translation.h"

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
    const std::string text = plan.ProvenShortest ? Translate("Hint", "提示：从 %1 到 %2（至少还需 %3 步）")
                                                 : Translate("Hint", "提示：从 %1 到 %2（还需 %3 步）");
    return FillIn(
        text, {PegLetter(plan.NextMove->Source), PegLetter(plan.NextMove->Target), MoveCountText(plan.RemainingMoves)});
}
