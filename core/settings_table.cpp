// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings_table.h"

#include <algorithm>
#include <cmath>

std::int32_t BoundedMainPeg(std::int32_t mainPeg, std::int32_t pegCount)
{
    if (mainPeg >= SettingOf(&GameSettingsRecord::MainPeg).lowest && mainPeg <= pegCount)
        return mainPeg;
    return std::int32_t(std::round(pegCount / 2.0));
}

std::int32_t BoundedSetting(const Setting& setting, std::int32_t value, const GameSettingsRecord& record)
{
    switch (setting.kind) {
    case SettingKind::Count: return std::clamp(value, setting.lowest, setting.highest);
    case SettingKind::MainPeg: return BoundedMainPeg(value, record.PegCount);
    default: return value;
    }
}

void HoldBoardToBounds(GameSettingsRecord& record)
{
    for (const Setting& setting : SettingsTable)
        if (setting.number)
            record.*setting.number = BoundedSetting(setting, record.*setting.number, record);
}
