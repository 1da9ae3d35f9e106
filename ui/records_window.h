// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/units/units.h"

// The window of the player's records: a row for each board played, and a
// button that clears them all after asking.
inline constexpr std::int32_t RecordsWindowId = 0x52000005;
inline constexpr WindowUnit 成绩窗口{RecordsWindowId, 0x06000005};
inline constexpr TableUnit 表格成绩{RecordsWindowId, 0x16000501};
inline constexpr ButtonUnit 按钮清除成绩{RecordsWindowId, 0x16000502};

const WindowTemplate& RecordsWindowTemplate();
// Opens the window owned by the main window, or brings it to the front, with
// the records as they stand.
void OpenRecordsWindow();
// Shows the records as they stand while the window is open.
void ShowRecords();
