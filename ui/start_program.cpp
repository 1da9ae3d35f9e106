#include "ui/start_program.h"

#include "core/move_record_window.h"
#include "platform/event_loop.h"
#include "platform/termination.h"
#include "platform/units.h"
#include "settings/settings_dialog_template.h"
#include "settings/settings_file.h"
#include "ui/about_window_template.h"
#include "ui/main_window.h"
#include "ui/main_window_template.h"

int StartProgram(int& argc, char** argv)
{
    InitialiseServices(argc, argv);
    OpenSettingsStore();
    RegisterWindowTemplate(MainWindowTemplate());
    RegisterWindowTemplate(MoveRecordWindowTemplate());
    RegisterWindowTemplate(AboutWindowTemplate());
    RegisterWindowTemplate(SettingsDialogTemplate());
    LoadWindow(主窗口);
    OnTerminationRequest(CloseOnTerminationRequest);
    RunEventLoop();
    ShutdownServices();
    return 0;
}
