// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/templates/unit_ref.h"

// The main window's keys: Enter, Space, F1 and the keypad + and − with one
// modifier, and the keys of play without a mouse. F1 opens the about window
// through `openAboutWindow`, Ctrl+R the records window through
// `openRecordsWindow`. True when the key is used up, so the window does not
// act on it as well.
bool HandleKey(int key, int modifiers, void (*openAboutWindow)(), void (*openRecordsWindow)());
// The menu's reverse-mode entry: asks first, then restacks in a new game.
void SwitchReverseMode();
// Deletes the settings file and starts the program anew from its defaults, after asking.
void RestoreDefaults();
// Flips one of the game's options (mute, count only correct drops, reverse
// mode) and shows it in the check mark of its menu entry.
void ToggleOption(bool& option, const MenuUnit& entry);
