// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

// The program's two help texts, lines joined by "\r\n" with no break at either end.
// The long one tells where the game comes from, what it offers and how it is played;
// the short one is its last three lines, the rules of the modifier keys.
const std::string& LongHelpText();
const std::string& ShortcutHelpText();

// Each shows its text in a message box with only an OK button and returns when it is closed.
void ShowHelpText();
void ShowShortcutHelp();
