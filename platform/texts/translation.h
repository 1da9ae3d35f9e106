// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

// The game's texts are written in Simplified Chinese, and that is what it
// shows unless a translation for the player's language is installed. Every
// text a player sees goes through Translate, with the context that groups it
// for the translator; lupdate finds the calls (it is told that Translate and
// TranslateCount spell its `translate`), so the two literals must be written
// in the call itself.

// The code of the game's own language, which needs no catalogue.
inline constexpr std::string_view SourceLanguage = "zh_CN";

// The language the desktop asks for, as gettext reads it: the first entry of
// the list in LANGUAGE that the game has a catalogue for, unless the locale
// for messages is C; else the locale for messages (LC_ALL, else LC_MESSAGES,
// else LANG). The answer is a catalogue's code ("en", "zh_TW") or, for every
// locale that matches none, SourceLanguage.
std::string DesktopLanguage();

// Installs the catalogue of DesktopLanguage, and Qt's own texts (buttons of
// message boxes and dialogs) in the same language. Needs the application
// object; call once at start-up, before any template is built.
void InstallPlayerLanguage();
// The language installed: a catalogue's code or SourceLanguage.
const std::string& PlayerLanguage();

// The value `others` gives for the player's language, or `chinese`, the one
// for the game's own Chinese, for every language it does not name: a control
// of a window template that a language's longer texts need wider.
template <typename T>
T ForLanguage(T chinese, std::initializer_list<std::pair<std::string_view, T>> others)
{
    for (const auto& [language, value] : others) {
        if (language == PlayerLanguage())
            return value;
    }
    return chinese;
}

// The player's text for `source`: its translation where one is installed,
// else `source` itself.
std::string Translate(const char* context, const char* source);
// The same for a text about `count` things: "%n" in it stands for the count,
// and a translation may have a form for each grammatical number.
std::string TranslateCount(const char* context, const char* source, const char* comment, int count);
// `text` with %1 to %9 replaced by the arguments in turn; a translation can
// put them in any order.
std::string FillIn(const std::string& text, std::initializer_list<std::string> arguments);
