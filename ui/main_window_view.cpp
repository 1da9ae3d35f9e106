// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window_view.h"

#include "core/game_view.h"
#include "platform/texts/translation.h"
#include "platform/units/event_loop.h"
#include "platform/units/units.h"
#include "render/accessible_board.h"
#include "render/background.h"
#include "render/layout.h"
#include "render/scene_builder.h"
#include "ui/wait_responsive.h"

namespace {
constexpr std::int32_t ClockPeriod = 1000;

// The course of the game in the main window's labels, status bar, timer and menu.
class MainWindowView : public GameView {
public:
    void BuildBoardElements() override { ::BuildBoardElements(); }
    void LayoutScene() override { ::LayoutScene(); }
    void NextBackground() override { ::NextBackground(); }
    void ShowStatus(int part, const std::string& text) override
    {
        SetStatusText(状态条, part, text);
        // A player who cannot see the bar hears its news, though not each tick of the clock.
        if (part != status_part::Time)
            SpeakText(text);
    }
    void RunClock(bool running) override { Set(GameClock, prop::Interval, running ? ClockPeriod : 0); }

    void ShowPaused(bool paused) override
    {
        const bool wasPaused = Get(标签暂停, prop::Visible);
        if (paused)
            PlacePauseCover();
        Set(标签暂停, prop::Visible, paused);
        Set(菜单暂停, prop::MenuChecked, paused);
        // The cover hides the board from the eye; a screen reader says so,
        // and when it goes, turns back to the board.
        if (paused) {
            AnnounceUnit(标签暂停);
        } else if (wasPaused) {
            SpeakText(Translate("Game", "继续游戏"));
            AnnounceKeyboardColumn();
        }
    }

    void LiftCancelled() override { ReleaseMouse(); }
    void ProcessPendingMessages() override { ::ProcessPendingMessages(); }

    bool WaitWhileOpen(std::int32_t milliseconds) override
    {
        WaitResponsive(milliseconds);
        return UnitExists(主窗口);
    }
};

MainWindowView view;
}  // namespace

void InstallMainWindowView()
{
    SetGameView(&view);
}

void PlacePauseCover()
{
    MoveUnit(标签暂停, 0, 0, ClientWidth(主窗口), ClientHeight(主窗口) - Get(状态条, prop::Height));
}
