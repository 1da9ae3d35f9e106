// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Brings up the window and drawing services, and gives the fatal stop their
// message box and the sound player their window query; call once, first.
// Without a display the program ends here (see ConnectToDisplay).
void InitialiseServices(int& argc, char** argv);
// Dispatches the messages already queued, then returns; does nothing once the program is ending.
void ProcessPendingMessages();
// Closes the sound output and what is left of the windows and the window system; call once, last.
void ShutdownServices();
// Runs the message loop while a window is loaded; returns when the program ends.
void RunEventLoop();
