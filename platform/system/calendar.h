// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

// Today's date on the local calendar, as "2026-12-08".
std::string TodayText();
