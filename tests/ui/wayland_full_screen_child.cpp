// SPDX-License-Identifier: GPL-3.0-or-later
// Run under a Wayland compositor: the main window goes to full screen and
// back by the game's own switch, and the compositor gives it the whole screen
// and then its window size again. Exit code 0 when all of that held.
#include <QApplication>
#include <QScreen>
#include <QTest>

#include "core/game_flow.h"
#include "platform/units/event_loop.h"
#include "ui/main_window.h"
#include "ui/main_window_fixture.h"

namespace {
bool Check(bool condition, const char* what)
{
    if (!condition)
        std::fprintf(stderr, "FAIL: %s\n", what);
    return condition;
}
}  // namespace

int main(int argc, char** argv)
{
    InitialiseServices(argc, argv);
    if (QGuiApplication::platformName() != QStringLiteral("wayland"))
        return Check(false, "not running on Wayland"), 1;
    if (!OpenMainWindowShown())
        return Check(false, "the main window was not shown"), 1;
    QWidget* window = WidgetOf(主窗口);
    const QSize windowed = window->size();
    const QSize screen = window->screen()->geometry().size();

    ToggleFullScreen();
    const bool full = QTest::qWaitFor([&] { return window->isFullScreen() && window->size() == screen; }, 5000);
    ToggleFullScreen();
    const bool back = QTest::qWaitFor([&] { return !window->isFullScreen() && window->size() == windowed; }, 5000);
    const bool ok =
        Check(full, "full screen did not cover the screen") && Check(back, "the window size did not come back");
    std::printf("full screen %dx%d, windowed %dx%d\n", screen.width(), screen.height(), windowed.width(),
                windowed.height());
    return ok ? 0 : 1;
}
