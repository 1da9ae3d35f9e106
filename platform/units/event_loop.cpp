// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/units/event_loop.h"

#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <utility>
#include <vector>
#ifdef TORVANE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#include <thread>
#endif

#include "platform/controls/accessible_controls.h"
#include "platform/sound/sound_player.h"
#include "platform/system/fatal.h"
#include "platform/system/program_identity.h"
#include "platform/texts/translation.h"
#include "platform/units/display_connection.h"
#include "platform/windows/window_lifetime.h"

namespace {
// Deleted by ShutdownServices only: at static destruction it would outlive
// the window system's own state.
QApplication* application = nullptr;

// Reading the font configuration takes a good part of the time to the first
// frame and needs nothing from the display, so it runs while the display is
// connected; Qt then finds it read.
void ConnectWhileReadingFonts(int& argc, char** argv)
{
#ifdef TORVANE_FONTCONFIG
    std::thread fonts([] { FcInit(); });
    application = ConnectToDisplay(argc, argv);
    fonts.join();
#else
    application = ConnectToDisplay(argc, argv);
#endif
}

void ShowFatalStop(const std::string& text)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8("错误"), QString::fromUtf8(text).remove(QLatin1Char('\r')),
                    QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
}  // namespace

void InitialiseServices(int& argc, char** argv)
{
    SetFatalStopDisplay(ShowFatalStop);
    SetWindowLoadedQuery(AnyWindowLoaded);
    if (QCoreApplication::instance())
        return;
    // A native window for one widget must not turn its siblings native: the
    // board's labels stay drawn in their window's surface, stacked as placed.
    QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    // The windows' class (WM_CLASS) is the program's name whatever its file
    // is called, and on Wayland its application id names its desktop entry.
    QCoreApplication::setApplicationName(QString::fromLatin1(ProgramName()));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(ProgramId()));
    ConnectWhileReadingFonts(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    InstallPlayerLanguage();
    // The game's face "宋体" is a Song font; Debian's is AR PL UMing, in the
    // glyph forms of the mainland or, for Traditional Chinese, of Taiwan.
    const char* song = ForLanguage<const char*>("AR PL UMing CN", {{"zh_TW", "AR PL UMing TW"}});
    for (const char* face : {"宋体", "SimSun"})
        QFont::insertSubstitution(QString::fromUtf8(face), QString::fromLatin1(song));
    InstallAccessibleControls();
}

void ShutdownServices()
{
    CloseSoundOutput();
    // Owned windows go with their owner, so each is deleted only while still alive.
    std::vector<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        windows.emplace_back(window);
    for (const QPointer<QWidget>& window : windows)
        delete window.data();
    delete std::exchange(application, nullptr);
}

void ProcessPendingMessages()
{
    if (QuitRequested())
        return;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void RunEventLoop()
{
    if (AnyWindowLoaded() && !QuitRequested())
        QApplication::exec();
}
