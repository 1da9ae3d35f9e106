// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/units/display_connection.h"

#include "platform/system/program_identity.h"

#include <QApplication>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
struct HeldMessage {
    QtMsgType type;
    const char* category;
    QString text;
};

std::vector<HeldMessage> held;

QByteArray NoDisplayLine()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return "no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); start it from a desktop session.";
    QByteArray line = "the display could not be opened";
    if (!held.empty())
        line += " (" + held.front().text.toUtf8() + ")";
    return line + "; start it from a desktop session.";
}

// Qt's messages while the display opens are held back; a fatal one means
// that there is no display, which is told in one line before the program ends.
void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        held.push_back({type, context.category, text});
        return;
    }
    std::fprintf(stderr, "%s: %s\n", ProgramName(), NoDisplayLine().constData());
    std::fflush(stderr);
    std::_Exit(NoDisplayStatus);
}

void PassOnHeldMessages(QtMessageHandler handler)
{
    for (const HeldMessage& message : held)
        handler(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category), message.text);
    held.clear();
}
}  // namespace

QApplication* ConnectToDisplay(int& argc, char** argv)
{
    const QtMessageHandler usual = qInstallMessageHandler(HoldMessage);
    auto* application = new QApplication(argc, argv);
    qInstallMessageHandler(usual);
    PassOnHeldMessages(usual);
    return application;
}
