// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/solver_help.h"

#include "core/game_flow.h"
#include "core/game_view.h"
#include "core/hint_text.h"
#include "core/main_window_units.h"
#include "core/records.h"
#include "core/solver.h"
#include "input/keyboard_play.h"
#include "platform/units/units.h"

namespace {
constexpr std::int32_t DemonstrationPace = 400;

bool running = false;
// The game the demonstration plays; it ends with that game.
std::int64_t demonstratedGame = 0;
// A move's own waits (the win sequence) handle ticks: they do not move again.
bool stepping = false;
}  // namespace

void ShowHint()
{
    if (GamePaused())
        return;
    const std::string hint = HintText(PlanFromBoard());
    if (!hint.empty())
        View().ShowStatus(status_part::Tip, hint);
}

void StartDemonstration()
{
    EndKeyboardLift();
    if (Course.Lift.DragActive || GamePaused())
        return;
    running = true;
    demonstratedGame = Course.GameNumber;
    Set(时钟演示, prop::Interval, DemonstrationPace);
}

void StopDemonstration()
{
    running = false;
    Set(时钟演示, prop::Interval, 0);
}

bool DemonstrationRunning()
{
    return running;
}

void DemonstrationStep()
{
    if (!running || stepping)
        return;
    // Paused from the menu, which no key reaches, the game ends it at the next tick.
    if (Course.GameNumber != demonstratedGame || Course.Lift.DragActive || GamePaused())
        return StopDemonstration();
    const SolverPlan plan = PlanFromBoard();
    if (!plan.NextMove)
        return StopDemonstration();
    stepping = true;
    NoteDemonstrationMove();
    PlayKeyboardMove(plan.NextMove->Source, plan.NextMove->Target);
    stepping = false;
}
