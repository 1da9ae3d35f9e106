// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program: brings up the services, opens the main window and runs until it is gone.
int StartProgram(int& argc, char** argv);
