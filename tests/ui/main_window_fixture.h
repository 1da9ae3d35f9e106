#pragma once
// The main window opened beside a window that stays loaded, as the tests of
// the game's windows need it.
#include "core/move_record_window.h"
#include "platform/test_window.h"
#include "ui/main_window_template.h"

// Registers the anchor and main window templates and opens the anchor window.
inline bool OpenAnchorWindow()
{
    RegisterWindowTemplate(AnchorWindow());
    RegisterWindowTemplate(MainWindowTemplate());
    RegisterWindowTemplate(MoveRecordWindowTemplate());
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
