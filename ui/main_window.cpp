// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include "core/game_flow.h"
#include "core/main_window_units.h"
#include "platform/units/units.h"
#include "platform/windows/screen.h"
#include "platform/windows/termination.h"
#include "render/accessible_board.h"
#include "render/layout.h"
#include "settings/saved_settings.h"
#include "settings/window_placement.h"
#include "ui/main_window_view.h"

bool WindowInitialising = false;

void OnMainWindowCreated()
{
    InstallMainWindowView();
    WindowInitialising = true;
    LoadSettings();
    NewGame();
    WindowInitialising = false;
    // A screen reader meets the board, not only the window's title.
    WhenWindowFocused(主窗口, AnnounceKeyboardColumn);
}

void OnMainWindowResized()
{
    if (!WindowInitialising)
        LayoutScene();
    if (Get(标签暂停, prop::Visible))
        PlacePauseCover();
}

void ShowContextMenu()
{
    PopupMenu(主窗口, 菜单文件);
}

void ToggleFullScreen()
{
    if (!InFullScreen(主窗口)) {
        // A maximised window comes back from full screen in its normal place.
        SavedWindowRect = NormalWindowRect(主窗口);
        Set(主窗口, prop::WindowBorder, window_border::None);
        MoveUnit(主窗口, 0, 0, ScreenWidth(), ScreenHeight());
    } else {
        Set(主窗口, prop::WindowBorder, window_border::Resizable);
        Set(主窗口, prop::Left, SavedWindowRect.left);
        Set(主窗口, prop::Top, SavedWindowRect.top);
        Set(主窗口, prop::Width, SavedWindowRect.width);
        Set(主窗口, prop::Height, SavedWindowRect.height);
    }
}

void OnMainWindowCloseQuery(EventArgs& args)
{
    if (InFullScreen(主窗口)) {
        ToggleFullScreen();
        args.refuse = true;
        return;
    }
    SaveSettings();
}

void CloseOnTerminationRequest()
{
    // Out of full screen first, so the close query saves and lets the window go.
    if (InFullScreen(主窗口))
        ToggleFullScreen();
    CloseWindowAsUser(主窗口);
}

void ExitProgram()
{
    DestroyUnit(主窗口);
}
