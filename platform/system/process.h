// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>

// Starts a program from a command line: the program path first (in double
// quotes when it holds blanks, or unquoted when the blanks belong to an
// existing file's path, as Windows tries them), then its arguments. With
// `wait`, returns when the program has ended; otherwise at once. The show
// mode (1 hidden, 2 normal, 3 minimised, 4 maximised, ...) is the started
// program's own business on this platform. True when the program started.
bool RunProgram(const std::string& commandLine, bool wait = false, std::int32_t showMode = 2);
