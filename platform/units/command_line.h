// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>

// The program's command line, read before the window services start, so that
// nothing here needs a display. "--help" (-h) and "--version" (-v) print to
// stdout; an unknown option, a missing value or any other argument is named
// in one line on stderr. Qt's own options (-platform, -display, -style and
// the rest) are accepted and left on the command line for the window services.
inline constexpr int CommandLineMistake = 2;

// The status the program ends with when the command line asks for no game
// (0 after --help or --version, CommandLineMistake after a mistake), or
// nothing when the game is to start.
std::optional<int> ReadCommandLine(int argc, char** argv);
