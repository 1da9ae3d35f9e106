// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows virtual key codes of Qt's key events, as the game's key handlers
// expect them (keypad digits, − . / delivered as the main keyboard's).
#include <QtGlobal>

class QKeyEvent;

// The code of the physical key where the window system names it, so that
// modifiers and NumLock change nothing (Shift with − is still 189); from
// Qt's key otherwise. 0 for a key the game has no code for.
int VirtualKeyCode(const QKeyEvent& key);
// The code of a Qt key; `keypad` tells a key of the numeric keypad.
int VirtualKeyCode(int qtKey, bool keypad);
// The code of an X11 or Wayland key code (Linux input code + 8), 0 when the
// key's code depends on the keyboard layout or the game has none for it.
int VirtualKeyOfKeyCode(quint32 keyCode);
