// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/units/units.h"

// The window that shows the moves of the current game as they stood when it opened.
inline constexpr std::int32_t MoveRecordWindowId = 0x52000002;
inline constexpr WindowUnit 走法窗口{MoveRecordWindowId, 0x06000002};
inline constexpr EditBoxUnit 编辑框走法{MoveRecordWindowId, 0x16000101};

const WindowTemplate& MoveRecordWindowTemplate();
// Opens the window owned by the main window, or brings it to the front.
void OpenMoveRecordWindow();
void ShowMoveRecord();
