// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window opened beside a window that stays loaded, as the tests of
// the game's windows need it.
#include <QTemporaryDir>

#include "core/effect_recorder.h"
#include "core/game_flow.h"
#include "core/game_settings.h"
#include "platform/units/test_window.h"
#include "settings/settings_file.h"
#include "ui/about_window_template.h"
#include "ui/main_window_template.h"
#include "ui/move_record_window.h"
#include "ui/records_window.h"
#include "ui/settings_dialog_template.h"

// A settings file of the test's own, which starts out missing.
inline std::string TestSettingsPath()
{
    static QTemporaryDir folder;
    return folder.path().toStdString() + "/settings.ini";
}

// The effects the game has asked for; the tests of the game's windows hear nothing.
inline EffectRecorder& RecordedEffects()
{
    static EffectRecorder recorder;
    return recorder;
}

// Registers the anchor and main window templates, points the settings store
// at the test's own file, records the sound effects and opens the anchor window.
inline bool OpenAnchorWindow()
{
    SettingsStore.Open(TestSettingsPath());
    SetEffectPlayer(&RecordedEffects());
    RegisterWindowTemplate(AnchorWindow());
    RegisterWindowTemplate(MainWindowTemplate());
    RegisterWindowTemplate(MoveRecordWindowTemplate());
    RegisterWindowTemplate(RecordsWindowTemplate());
    RegisterWindowTemplate(AboutWindowTemplate());
    RegisterWindowTemplate(SettingsDialogTemplate());
    return LoadWindow(锚窗口);
}

inline bool OpenMainWindow()
{
    return OpenAnchorWindow() && LoadWindow(主窗口);
}

// The main window opened and on screen, for tests that send it real events.
inline bool OpenMainWindowShown()
{
    return OpenMainWindow() && QTest::qWaitForWindowExposed(WidgetOf(主窗口));
}

// A new game on a board of these numbers.
inline void StartGame(int pegs, int disks, int mainPeg)
{
    GameSettings.PegCount = pegs;
    GameSettings.DiskCount = disks;
    GameSettings.MainPeg = mainPeg;
    NewGame(new_game::Redraw);
}
