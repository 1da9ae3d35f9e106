// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/process.h"

#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace {

struct Command {
    QString program;
    QStringList arguments;
};

// Splits a command line as CreateProcess does: a quoted first token is the
// program; otherwise the program is the shortest run of words, up to a blank
// or the whole line, that names an existing file, and failing that the first
// word. What follows the program are its arguments.
Command SplitCommandLine(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(QLatin1Char('"'))) {
        const qsizetype close = trimmed.indexOf(QLatin1Char('"'), 1);
        if (close > 0)
            return {trimmed.mid(1, close - 1), QProcess::splitCommand(trimmed.mid(close + 1))};
    }
    for (qsizetype blank = trimmed.indexOf(QLatin1Char(' ')); blank > 0;
         blank = trimmed.indexOf(QLatin1Char(' '), blank + 1)) {
        if (QFileInfo(trimmed.left(blank)).isFile())
            return {trimmed.left(blank), QProcess::splitCommand(trimmed.mid(blank + 1))};
    }
    if (QFileInfo(trimmed).isFile())
        return {trimmed, {}};
    QStringList parts = QProcess::splitCommand(trimmed);
    if (parts.isEmpty())
        return {};
    const QString program = parts.takeFirst();
    return {program, parts};
}

}  // namespace

bool RunProgram(const std::string& commandLine, bool wait, std::int32_t)
{
    const Command command = SplitCommandLine(QString::fromUtf8(commandLine));
    if (command.program.isEmpty())
        return false;
    if (!wait)
        return QProcess::startDetached(command.program, command.arguments);
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(command.program, command.arguments);
    if (!process.waitForStarted(-1))
        return false;
    process.waitForFinished(-1);
    return true;
}
