// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

#include "core/game_settings.h"
#include "platform/templates/unit_ref.h"

// Opens the settings store on the settings file; run once at start-up. The
// file lies beside the executable, or in the player's configuration folder
// for an installed game and for one that cannot write its folder; the latter
// reads the file beside it until its first save has made its own.
void OpenSettingsStore();

// Everything the player can adjust, read from the settings file: the counts,
// the four looks, the menu options, the background order and the main
// window's placement. Missing or unreadable values keep their defaults.
void LoadSettings();
// Writes all of it back in the same order, as one replace of the file.
void SaveSettings();
// The same writes, each a replace of the file of its own.
void WriteEverySetting();

// One look under the keys prefix + "颜色1", "颜色2", "颜色3", "渐变", "边框".
// The label's look, when given, is the default; a stored colour of 0 keeps it.
void ReadStyle(const std::string& prefix, ElementStyle& style, std::optional<LabelUnit> label);
void WriteStyle(const std::string& prefix, const ElementStyle& style);
