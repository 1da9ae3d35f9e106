// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

// A duration as the status bar shows it: "1 分钟 1 秒", "1 小时1 秒", "1 天".
// Months count 30 days and years 12 months; 0 gives the empty text.
std::string FormatDuration(double milliseconds);
