// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/background.h"

#include "core/game_settings.h"
#include "core/main_window_units.h"
#include "platform/files/files.h"
#include "platform/units/units.h"

std::vector<std::string> BackgroundList;

std::int32_t NextBackgroundIndex(std::int32_t current, std::size_t count)
{
    // Compared before adding, so a stored index at the top of the range wraps
    // to the first picture instead of overflowing.
    return current >= 0 && std::size_t(current) < count ? current + 1 : 1;
}

void NextBackground()
{
    if (BackgroundList.empty())
        return;
    GameSettings.BackgroundIndex = NextBackgroundIndex(GameSettings.BackgroundIndex, BackgroundList.size());
    // A file gone since start-up gives an empty picture: no picture for its turn.
    Set(主窗口, prop::WindowPicture, ReadWholeFile(BackgroundList[std::size_t(GameSettings.BackgroundIndex - 1)]));
}
