#include "core/game_settings.h"

#include <algorithm>

GameSettingsRecord GameSettings;

std::int32_t BoundedPegCount(std::int32_t count)
{
    return std::clamp(count, MinPegCount, MaxPegCount);
}

std::int32_t BoundedDiskCount(std::int32_t count)
{
    return std::clamp(count, MinDiskCount, MaxDiskCount);
}
