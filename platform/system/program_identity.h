// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the program is called where others name it, as the build gives it.

// The version, as "--version" prints it and the main window's title shows it.
const char* ProgramVersion();
// The desktop's name for the program: the name of its desktop entry, its
// icon and its AppStream data, and its application id on Wayland.
const char* ProgramId();
// The name window managers and docks know its windows by (their WM_CLASS),
// which its desktop entry gives as StartupWMClass.
const char* ProgramName();
