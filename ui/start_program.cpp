// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/start_program.h"

#include "media/pictures.h"
#include "media/sound_effects.h"
#include "platform/system/first_paint.h"
#include "platform/units/command_line.h"
#include "platform/units/event_loop.h"
#include "platform/units/units.h"
#include "platform/windows/program_icon.h"
#include "platform/windows/termination.h"
#include "settings/records_file.h"
#include "settings/saved_settings.h"
#include "ui/about_window_template.h"
#include "ui/main_window.h"
#include "ui/main_window_template.h"
#include "ui/move_record_window.h"
#include "ui/records_window.h"
#include "ui/settings_dialog_template.h"

int StartProgram(int& argc, char** argv)
{
    if (const std::optional<int> status = ReadCommandLine(argc, argv))
        return *status;
    InitialiseServices(argc, argv);
    // Task bars and docks show the icon; the window's first frame does not.
    AfterFirstFrame([] { SetProgramIcon(ProgramIconPicture()); });
    SoundEffects effects;
    SetEffectPlayer(&effects);
    OpenSettingsStore();
    RecordsFile records(RecordsFilePath());
    SetRecordsKeeper(&records);
    WhenRecordsChange(ShowRecords);
    RegisterWindowTemplate(MainWindowTemplate());
    RegisterWindowTemplate(MoveRecordWindowTemplate());
    RegisterWindowTemplate(RecordsWindowTemplate());
    RegisterWindowTemplate(AboutWindowTemplate());
    RegisterWindowTemplate(SettingsDialogTemplate());
    LoadWindow(主窗口);
    OnTerminationRequest(CloseOnTerminationRequest);
    RunEventLoop();
    SetEffectPlayer(nullptr);
    SetRecordsKeeper(nullptr);
    ShutdownServices();
    return 0;
}
