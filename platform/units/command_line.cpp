// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/units/command_line.h"

#include "platform/system/program_identity.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

namespace {
// Qt's own options, which QApplication takes from the same command line:
// first those with a value, then the switches.
constexpr const char* QtValueOptions[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "name",
    "visual",      "geometry",           "icon",          "title",   "style",
    "stylesheet",  "qmljsdebugger"};
constexpr const char* QtSwitches[] = {"reverse", "nograb", "dograb", "widgetcount", "testability"};

void AddQtOptions(QCommandLineParser& parser)
{
    for (const char* name : QtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), {}, QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : QtSwitches) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

void Print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toUtf8().constData(), stream);
}

// The parser's help names no program without an application object.
QString HelpText(const QCommandLineParser& parser, const QString& program)
{
    QString text = parser.helpText();
    text.replace(QStringLiteral("<executable_name>"), program);
    return text + QStringLiteral(
                      "\nQt's own options, such as -platform NAME and -display DISPLAY, "
                      "are passed on to Qt.\n");
}

QString Mistake(const QCommandLineParser& parser, bool parsed)
{
    if (!parsed)
        return parser.errorText();
    return QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
}
}  // namespace

std::optional<int> ReadCommandLine(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QString program =
        argc > 0 ? QFileInfo(arguments.constFirst()).fileName() : QString::fromLatin1(ProgramName());

    QCommandLineParser parser;
    // Qt's options are single words after one dash, as "-platform xcb".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Tower of Hanoi (汉诺塔): move the whole stack of disks onto another peg, one disk at a time."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the version."));
    parser.addOption(help);
    parser.addOption(version);
    AddQtOptions(parser);

    const bool parsed = parser.parse(arguments);
    if (!parsed || !parser.positionalArguments().isEmpty()) {
        Print(stderr, QStringLiteral("%1: %2 Try '%1 --help'.\n").arg(program, Mistake(parser, parsed)));
        return CommandLineMistake;
    }
    if (parser.isSet(help)) {
        Print(stdout, HelpText(parser, program));
        return 0;
    }
    if (parser.isSet(version)) {
        Print(stdout,
              QStringLiteral("%1 %2\n").arg(QString::fromLatin1(ProgramName()), QString::fromLatin1(ProgramVersion())));
        return 0;
    }
    return std::nullopt;
}
