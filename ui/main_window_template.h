// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "core/main_window_units.h"
#include "platform/templates/window_template.h"

// The main window's title: the game's name, then the maker's contact fields.
std::string MainWindowTitle();

const WindowTemplate& MainWindowTemplate();
