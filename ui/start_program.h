// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program: reads its command line, brings up the services, opens the main
// window and runs until it is gone; gives the program's exit status.
int StartProgram(int& argc, char** argv);
