// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/templates/window_template.h"

// The main window's own behaviour: start-up of its board, resizing, the
// context menu, full screen and the ways the program ends.

// True only while the main window's created handler runs.
extern bool WindowInitialising;

void OnMainWindowCreated();
void OnMainWindowResized();
void ShowContextMenu();
void ToggleFullScreen();
void OnMainWindowCloseQuery(EventArgs& args);
// A request from the system to end the program closes it as the player's
// close does: out of full screen, then through the close query, which saves.
void CloseOnTerminationRequest();
void ExitProgram();
