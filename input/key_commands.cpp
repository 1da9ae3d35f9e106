// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/key_commands.h"

#include "core/board.h"
#include "core/game_flow.h"
#include "core/game_settings.h"
#include "core/main_window_units.h"
#include "core/settings_table.h"
#include "input/key_codes.h"
#include "input/keyboard_play.h"
#include "input/solver_help.h"
#include "platform/controls/message_box.h"
#include "platform/files/files.h"
#include "platform/system/process.h"
#include "platform/texts/translation.h"
#include "platform/units/units.h"
#include "render/accessible_board.h"
#include "settings/settings_dialog.h"
#include "settings/settings_file.h"

bool HandleKey(int keyCode, int modifiers, void (*openAboutWindow)(), void (*openRecordsWindow)())
{
    // Any key but a modifier by itself ends a demonstration, and does nothing else.
    if (DemonstrationRunning() && keyCode != 0) {
        StopDemonstration();
        return true;
    }
    if (PlayByKeyboard(keyCode, modifiers))
        return true;
    if (modifiers == modifier::Ctrl && (keyCode == key::H || keyCode == key::D)) {
        keyCode == key::H ? ShowHint() : StartDemonstration();
        return true;
    }
    if (modifiers == modifier::Ctrl && keyCode == key::R) {
        openRecordsWindow();
        return true;
    }
    if (modifiers == modifier::Ctrl && keyCode == key::I) {
        SpeakKeyboardColumn();
        return true;
    }
    if (keyCode == key::Enter) {
        if (modifiers == modifier::Ctrl)
            OpenSettingsDialog();
        else
            NewGame(new_game::Redraw);
    } else if (keyCode == key::Space) {
        TogglePause();
    } else if (keyCode == key::F1) {
        openAboutWindow();
    }
    if (modifiers == 0)
        return false;
    std::int32_t* field = modifiers == modifier::Ctrl    ? &GameSettings.DiskCount
                          : modifiers == modifier::Shift ? &GameSettings.PegCount
                          : modifiers == modifier::Alt   ? &GameSettings.MainPeg
                                                         : nullptr;
    const int change = keyCode == key::KeypadPlus ? 1 : keyCode == key::Minus ? -1 : 0;
    if (!field || change == 0)
        return false;
    *field += change;
    HoldBoardToBounds(GameSettings);
    NewGame(new_game::Redraw);
    return false;
}

void SwitchReverseMode()
{
    const int answer = ShowMessage(Translate("Menu",
                                             "逆向模式，则盘片上到下的顺序是大到小，否则是小到大\r\n\r\n"
                                             "点击确定，将应用本设置并开始新游戏！"),
                                   mb::OkCancel);
    if (answer != mb_result::Ok)
        return;
    ToggleOption(ReverseMode, 菜单逆向模式);
    NewGame(new_game::Redraw);
}

void RestoreDefaults()
{
    if (ShowMessage(Translate("Menu", "您确定要恢复初始参数并开始新游戏吗？"), mb::OkCancel) != mb_result::Ok)
        return;
    SettingsStore.Forget();
    Set(主窗口, prop::Visible, false);
    DestroyUnit(主窗口);
    // Quoted, so a folder with blanks in its name still names one program.
    const std::string program = RunDirectory() + "/" + ExecutableName();
    RunProgram('"' + program + '"');
}

void ToggleOption(bool& option, const MenuUnit& entry)
{
    option = !option;
    Set(entry, prop::MenuChecked, option);
}
