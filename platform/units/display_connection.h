// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;

// The status the program ends with when it finds no display to show its
// windows on.
inline constexpr int NoDisplayStatus = 1;

// Creates the application object, which opens the display. Where no display
// can be opened (neither DISPLAY nor WAYLAND_DISPLAY set, a server that does
// not answer, a platform plugin that cannot start), Qt would abort with a
// page of advice; instead the program says so in one line on stderr and ends
// with NoDisplayStatus. What Qt reports on the way to a display that opens
// reaches its usual output afterwards.
QApplication* ConnectToDisplay(int& argc, char** argv);
