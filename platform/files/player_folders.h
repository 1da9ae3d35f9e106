// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

// Where the files a player keeps (the settings file, the background folder)
// live. Beside the executable while its folder is writable, so a copy of the
// game carried on a stick keeps its own files; otherwise, as for a system-wide
// install, in the player's own places: the user's configuration folder for
// settings and data folder for pictures, each in a folder of the game's own.

// The folder of the game's own inside the per-user places.
inline constexpr const char* PlayerFolderName = "torvane";

enum class PlayerFiles {
    Settings,
    Pictures
};

// The rule itself: `runDirectory` when writable, else `userPlace` + "/" +
// PlayerFolderName.
std::string ChoosePlayerFolder(const std::string& runDirectory, bool runDirectoryWritable,
                               const std::string& userPlace);

// The folder for `kind` on this machine, decided once per run.
std::string PlayerFolder(PlayerFiles kind);

// Creates a folder and its parents; true when it exists afterwards.
bool CreateFolderPath(const std::string& folder);
