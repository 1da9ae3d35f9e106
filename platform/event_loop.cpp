#include "platform/event_loop.h"

#include <QApplication>
#include <QFont>
#include <QPointer>
#include <QWidget>
#include <vector>
#include <memory>

#include "platform/window_lifetime.h"

namespace {
std::unique_ptr<QApplication> application;
}

void InitialiseServices(int& argc, char** argv)
{
    if (QCoreApplication::instance())
        return;
    application = std::make_unique<QApplication>(argc, argv);
    // The game's face "宋体" is a Song font; Debian's is AR PL UMing.
    for (const char* face : {"宋体", "SimSun"})
        QFont::insertSubstitution(QString::fromUtf8(face), QStringLiteral("AR PL UMing CN"));
    QApplication::setQuitOnLastWindowClosed(false);
}

void ShutdownServices()
{
    // Owned windows go with their owner, so each is deleted only while still alive.
    std::vector<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        windows.emplace_back(window);
    for (const QPointer<QWidget>& window : windows)
        delete window.data();
    application.reset();
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
