// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game_flow.h"

#include "core/board.h"
#include "core/disk_moves.h"
#include "core/duration.h"
#include "core/effect_requests.h"
#include "core/game_settings.h"
#include "core/game_view.h"
#include "core/records.h"
#include "platform/texts/translation.h"

GameCourse Course;

namespace {
// The pauses of the win sequence: before the second sound, and before the third and the next level.
constexpr std::int32_t FirstWinPause = 500;
constexpr std::int32_t SecondWinPause = 2000;
bool transferRunning = false;

void SetTip(const std::string& text)
{
    View().ShowStatus(status_part::Tip, text);
}

// "3 步": the steps part of the status bar.
std::string StepsText(std::int32_t steps)
{
    return TranslateCount("Game", "%n 步", nullptr, steps);
}

void RunClock(bool running)
{
    Course.ClockRunning = running;
    View().RunClock(running);
}

void StopClock()
{
    RunClock(false);
    Course.ElapsedSeconds = 0;
    Course.StepCount = 0;
}

std::string NewGameTip()
{
    return Translate("Game", "游戏初始完毕..第一次选择盘片进行移动时将开始计时..");
}

// A game as `NewGame` starts it, with `tip` in the tip part.
void StartGame(unsigned flags, const std::string& tip)
{
    CancelLift();
    BuildBoard();
    Course.KeyboardColumn = GameSettings.MainPeg;
    ++Course.GameNumber;
    View().BuildBoardElements();
    StopClock();
    View().ShowPaused(false);
    if (flags & new_game::Redraw)
        View().LayoutScene();
    View().ProcessPendingMessages();
    if (!(flags & new_game::Silent))
        PlayEffect(Effect::NewGame);
    if (!(flags & new_game::KeepCounters)) {
        View().ShowStatus(status_part::Time, Translate("Game", "0 秒"));
        View().ShowStatus(status_part::Steps, StepsText(0));
    }
    SetTip(tip);
    View().NextBackground();
}

void CompleteTransfer()
{
    // Its own waits handle events: a drop among them must not start it again.
    if (transferRunning)
        return;
    struct Running {
        Running() { transferRunning = true; }
        ~Running() { transferRunning = false; }
    } running;
    SetTip(Translate("Game", "您已成功完成转移工作！更改盘片数可按下 Ctrl + Enter 键或右键菜单【参数设定】"));
    // Kept at once: the transfer is complete even if the window closes during the celebration.
    const std::string nextTip = KeepFinishedTransfer(NewGameTip());
    StopClock();
    PlayEffect(Effect::Win1);
    if (!View().WaitWhileOpen(FirstWinPause))
        return;
    PlayEffect(Effect::Win2, OtherEffects::Keep);
    if (!View().WaitWhileOpen(SecondWinPause))
        return;
    PlayEffect(Effect::Win3, OtherEffects::Keep);
    GameSettings.DiskCount = BoundedDiskCount(GameSettings.DiskCount + 1);
    StartGame(new_game::Redraw | new_game::Silent | new_game::KeepCounters, nextTip);
}
}  // namespace

void NewGame(unsigned flags)
{
    StartGame(flags, NewGameTip());
}

void StartClockIfIdle()
{
    // Once per game: a second lift within the first second keeps the moves made.
    if (Course.ClockRunning || Course.ElapsedSeconds != 0)
        return;
    RunClock(true);
    PlayEffect(Effect::ClockStart);
    Course.MoveRecord.clear();
}

void ClockTick()
{
    Course.ElapsedSeconds += 1;
    View().ShowStatus(status_part::Time, FormatDuration(Course.ElapsedSeconds * 1000.0));
}

void SettleDrop(std::int32_t targetPeg, bool legal)
{
    if (targetPeg != GameSettings.MainPeg) {
        if (!legal && Course.CountOnlyCorrect)
            return;
        Course.StepCount += 1;
        View().ShowStatus(status_part::Steps, StepsText(Course.StepCount));
        if (IsPegFull(targetPeg))
            CompleteTransfer();
        return;
    }
    if (IsPegFull(GameSettings.MainPeg)) {
        SetTip(Translate("Game", "您 出色 地完成了原地打转！= ="));
        PlayEffect(Effect::SpinInPlace);
    }
}

void TogglePause()
{
    if (Course.ElapsedSeconds == 0)
        return;
    if (Course.ClockRunning) {
        // A disk held while the game pauses goes back to its peg, as at a new game.
        if (CancelLift())
            View().LayoutScene();
        RunClock(false);
        View().ShowPaused(true);
    } else {
        View().ShowPaused(false);
        RunClock(true);
    }
}

bool GamePaused()
{
    // Only a game whose clock has ticked pauses; a stopped clock is then the cover's.
    return Course.ElapsedSeconds != 0 && !Course.ClockRunning;
}
