#include "ui/main_window.h"

#include "core/game_flow.h"
#include "core/main_window_units.h"
#include "input/drag.h"
#include "platform/units/units.h"
#include "platform/windows/screen.h"
#include "platform/windows/termination.h"
#include "render/background.h"
#include "render/layout.h"
#include "render/scene_builder.h"
#include "settings/saved_settings.h"

Rect SavedWindowRect;
bool WindowInitialising = false;

void OnMainWindowCreated()
{
    SetGameView({.BuildBoardElements = BuildBoardElements,
                 .LayoutScene = LayoutScene,
                 .CancelDrag = CancelDrag,
                 .NextBackground = NextBackground});
    WindowInitialising = true;
    LoadSettings();
    NewGame();
    WindowInitialising = false;
}

void OnMainWindowResized()
{
    if (!WindowInitialising)
        LayoutScene();
    if (GetInt(标签暂停, prop::Visible))
        PlacePauseCover();
}

void ShowContextMenu()
{
    PopupMenu(主窗口, 菜单文件);
}

void ToggleFullScreen()
{
    if (GetInt(主窗口, prop::WindowBorder) != window_border::None) {
        SavedWindowRect = {GetInt(主窗口, prop::Left), GetInt(主窗口, prop::Top), GetInt(主窗口, prop::Width),
                           GetInt(主窗口, prop::Height)};
        SetInt(主窗口, prop::WindowBorder, window_border::None);
        MoveUnit(主窗口, 0, 0, ScreenWidth(), ScreenHeight());
    } else {
        SetInt(主窗口, prop::WindowBorder, window_border::Resizable);
        SetInt(主窗口, prop::Left, SavedWindowRect.left);
        SetInt(主窗口, prop::Top, SavedWindowRect.top);
        SetInt(主窗口, prop::Width, SavedWindowRect.width);
        SetInt(主窗口, prop::Height, SavedWindowRect.height);
    }
}

void OnMainWindowCloseQuery(EventArgs& args)
{
    if (GetInt(主窗口, prop::WindowBorder) == window_border::None) {
        ToggleFullScreen();
        args.refuse = true;
        return;
    }
    SaveSettings();
}

void CloseOnTerminationRequest()
{
    // Out of full screen first, so the close query saves and lets the window go.
    if (GetInt(主窗口, prop::WindowBorder) == window_border::None)
        ToggleFullScreen();
    CloseWindowAsUser(主窗口);
}

void ExitProgram()
{
    DestroyUnit(主窗口);
}
