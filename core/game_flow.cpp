#include "core/game_flow.h"

#include "core/board.h"
#include "core/duration.h"
#include "core/effect_requests.h"
#include "core/game_settings.h"
#include "core/wait_responsive.h"
#include "platform/units/event_loop.h"
#include "platform/units/units.h"

std::int32_t ElapsedSeconds = 0;
std::int32_t StepCount = 0;
std::string MoveRecord;

namespace {
constexpr std::int32_t ClockPeriod = 1000;
// The pauses of the win sequence: before the second sound, and before the third and the next level.
constexpr std::int32_t FirstWinPause = 500;
constexpr std::int32_t SecondWinPause = 2000;
bool transferRunning = false;
GameView view;

void SetTip(const std::string& text)
{
    SetStatusText(状态条, status_part::Tip, text);
}

void Call(void (*hook)())
{
    if (hook)
        hook();
}

void StopClock()
{
    SetInt(GameClock, prop::Interval, 0);
    ElapsedSeconds = 0;
    StepCount = 0;
}

// A waiting step of the win sequence: false once the main window is gone.
bool WaitWhileOpen(std::int32_t milliseconds)
{
    WaitResponsive(milliseconds);
    return UnitExists(主窗口);
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
    SetTip("您已成功完成转移工作！更改盘片数可按下 Ctrl + Enter 键或右键菜单【参数设定】");
    StopClock();
    PlayEffect(Effect::Win1);
    if (!WaitWhileOpen(FirstWinPause))
        return;
    PlayEffect(Effect::Win2, OtherEffects::Keep);
    if (!WaitWhileOpen(SecondWinPause))
        return;
    PlayEffect(Effect::Win3, OtherEffects::Keep);
    GameSettings.DiskCount = BoundedDiskCount(GameSettings.DiskCount + 1);
    NewGame(new_game::Redraw | new_game::Silent | new_game::KeepCounters);
}
}  // namespace

bool CountOnlyCorrect()
{
    return GetInt(菜单正确放下方计一步, prop::MenuChecked) != 0;
}

bool MuteSounds()
{
    return GetInt(菜单静音, prop::MenuChecked) != 0;
}

void PlacePauseCover()
{
    MoveUnit(标签暂停, 0, 0, ClientWidth(主窗口), ClientHeight(主窗口) - GetInt(状态条, prop::Height));
}

void SetGameView(const GameView& installed)
{
    view = installed;
}

void NewGame(unsigned flags)
{
    if (view.CancelDrag)
        view.CancelDrag();
    BuildBoard();
    Call(view.BuildBoardElements);
    StopClock();
    SetInt(标签暂停, prop::Visible, 0);
    SetInt(菜单暂停, prop::MenuChecked, 0);
    if (flags & new_game::Redraw)
        Call(view.LayoutScene);
    ProcessPendingMessages();
    if (!(flags & new_game::Silent))
        PlayEffect(Effect::NewGame);
    if (!(flags & new_game::KeepCounters)) {
        SetStatusText(状态条, status_part::Time, "0 秒");
        SetStatusText(状态条, status_part::Steps, "0 步");
    }
    SetTip("游戏初始完毕..第一次选择盘片进行移动时将开始计时..");
    Call(view.NextBackground);
}

void StartClockIfIdle()
{
    // Once per game: a second lift within the first second keeps the moves made.
    if (GetInt(GameClock, prop::Interval) != 0 || ElapsedSeconds != 0)
        return;
    SetInt(GameClock, prop::Interval, ClockPeriod);
    PlayEffect(Effect::ClockStart);
    MoveRecord.clear();
}

void ClockTick()
{
    ElapsedSeconds += 1;
    SetStatusText(状态条, status_part::Time, FormatDuration(ElapsedSeconds * 1000.0));
}

void SettleDrop(std::int32_t targetPeg, bool legal)
{
    if (targetPeg != GameSettings.MainPeg) {
        if (!legal && CountOnlyCorrect())
            return;
        StepCount += 1;
        SetStatusText(状态条, status_part::Steps, std::to_string(StepCount) + " 步");
        if (IsPegFull(targetPeg))
            CompleteTransfer();
        return;
    }
    if (IsPegFull(GameSettings.MainPeg)) {
        SetTip("您 出色 地完成了原地打转！= =");
        PlayEffect(Effect::SpinInPlace);
    }
}

void TogglePause()
{
    if (ElapsedSeconds == 0)
        return;
    if (GetInt(GameClock, prop::Interval) != 0) {
        // A disk held while the game pauses goes back to its peg, as at a new game.
        if (view.CancelDrag && view.CancelDrag())
            Call(view.LayoutScene);
        SetInt(GameClock, prop::Interval, 0);
        PlacePauseCover();
        SetInt(标签暂停, prop::Visible, 1);
        SetInt(菜单暂停, prop::MenuChecked, 1);
    } else {
        SetInt(标签暂停, prop::Visible, 0);
        SetInt(GameClock, prop::Interval, ClockPeriod);
        SetInt(菜单暂停, prop::MenuChecked, 0);
    }
}
