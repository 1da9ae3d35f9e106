// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game_settings.h"

#include "core/settings_table.h"

GameSettingsRecord::GameSettingsRecord()
{
    for (const Setting& setting : SettingsTable) {
        if (setting.number)
            this->*setting.number = setting.defaultNumber;
        if (setting.style)
            this->*setting.style = setting.defaultStyle;
    }
}

GameSettingsRecord GameSettings;

std::int32_t BoundedDiskCount(std::int32_t count)
{
    return BoundedSetting(SettingOf(&GameSettingsRecord::DiskCount), count, GameSettings);
}
