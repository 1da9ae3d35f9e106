// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

#include "platform/templates/window_template.h"

// The look of one kind of board element.
struct ElementStyle {
    Colour Colour1 = 0;
    Colour Colour2 = 0;
    Colour Colour3 = 0;
    std::int32_t GradientMode = 0;
    std::int32_t BorderStyle = 0;

    bool operator==(const ElementStyle&) const = default;
};

// A new record holds the defaults of the settings table (core/settings_table.h).
struct GameSettingsRecord {
    GameSettingsRecord();

    std::int32_t PegCount = 0;
    std::int32_t DiskCount = 0;
    std::int32_t MainPeg = 0;
    ElementStyle PegStyle;
    ElementStyle MainPegStyle;
    ElementStyle DiskStyle;
    ElementStyle BaseStyle;
    std::int32_t BackgroundIndex = 0;
};

// The one settings record of the program.
extern GameSettingsRecord GameSettings;

// The disk count held to the bounds of its setting.
std::int32_t BoundedDiskCount(std::int32_t count);
