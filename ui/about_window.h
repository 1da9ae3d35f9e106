// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The about window's operations: it has no title bar, so a press on its
// background closes it and a press on its large picture moves it.

// Opens the about window owned by the main window, or brings it to the front.
void OpenAboutWindow();
void CloseAboutWindow();
// Moves the window with the mouse until the button is released, as a press on a title bar would.
void DragAboutWindow();
