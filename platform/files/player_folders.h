// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

// Where the files a player keeps (the settings file, the background folder,
// the records) live. A game that is not installed keeps them beside its
// executable, so a build or a copy carried on a stick keeps its own files. An
// installed game keeps them in the player's own places, whoever runs it: the
// user's configuration folder for settings and data folder for pictures and
// records, each in a folder of the game's own. So does a game that is not
// installed but cannot write its folder (on a read-only medium); it still
// reads what lies beside it (ReadOnlyFolderBeside).

// The folder of the game's own inside the per-user places.
inline constexpr const char* PlayerFolderName = "torvane";

enum class PlayerFiles {
    Settings,
    Pictures,
    // Records are data, not settings: they go where the pictures come from.
    Records
};

// Whether the executable in `runDirectory` is installed: the folder is the
// bin/ or games/ of a prefix that holds the program's desktop entry
// (share/applications/<ProgramId()>.desktop), as `cmake --install` and the
// package lay it out.
bool IsInstalledIn(const std::string& runDirectory);

// The rule itself: `runDirectory` when the files are kept beside the
// executable or no user place is known, else `userPlace` + "/" + PlayerFolderName.
std::string ChoosePlayerFolder(const std::string& runDirectory, bool keptBeside, const std::string& userPlace);

// The folder that files of `kind` are written to on this machine, decided once per run.
std::string PlayerFolder(PlayerFiles kind);

// The executable's folder when the game reads the files beside it but cannot
// write them there (not installed, on a read-only medium); empty otherwise.
std::string ReadOnlyFolderBeside();

// Creates a folder and its parents; true when it exists afterwards.
bool CreateFolderPath(const std::string& folder);
