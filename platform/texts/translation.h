// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <initializer_list>
#include <string>

// The game's texts are written in Chinese, and Chinese is what it shows unless
// a translation for the player's language is installed. Every text a player
// sees goes through Translate, with the context that groups it for the
// translator; lupdate finds the calls (it is told that Translate and
// TranslateCount spell its `translate`), so the two literals must be written
// in the call itself.

// English where the desktop's locale for messages (LC_ALL, else LC_MESSAGES,
// else LANG) is an English one; the game's own Chinese for every other
// locale, C included. Qt's own buttons and dialogs follow the same choice.
// Needs the application object; call once at start-up.
void InstallPlayerLanguage();

// The player's text for `source`: its translation where one is installed,
// else `source` itself.
std::string Translate(const char* context, const char* source);
// The same for a text about `count` things: "%n" in it stands for the count,
// and a translation may have a form for each grammatical number.
std::string TranslateCount(const char* context, const char* source, const char* comment, int count);
// `text` with %1 to %9 replaced by the arguments in turn; a translation can
// put them in any order.
std::string FillIn(const std::string& text, std::initializer_list<std::string> arguments);
