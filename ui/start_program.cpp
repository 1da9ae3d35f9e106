#include "ui/start_program.h"

#include "core/move_record_window.h"
#include "platform/event_loop.h"
#include "platform/units.h"
#include "ui/main_window_template.h"

int StartProgram(int& argc, char** argv)
{
    InitialiseServices(argc, argv);
    RegisterWindowTemplate(MainWindowTemplate());
    RegisterWindowTemplate(MoveRecordWindowTemplate());
    LoadWindow(主窗口);
    RunEventLoop();
    ShutdownServices();
    return 0;
}
