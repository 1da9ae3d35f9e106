#pragma once
#include <cstdint>

#include "platform/window_template.h"

// The look of one kind of board element.
struct ElementStyle {
    Colour Colour1 = 0;
    Colour Colour2 = 0;
    Colour Colour3 = 0;
    std::int32_t GradientMode = 0;
    std::int32_t BorderStyle = 0;

    bool operator==(const ElementStyle&) const = default;
};

struct GameSettingsRecord {
    std::int32_t PegCount = 3;
    std::int32_t DiskCount = 5;
    std::int32_t MainPeg = 1;
    ElementStyle PegStyle{Rgb(255, 0, 255), Rgb(255, 104, 180), Rgb(255, 0, 255), 2, 0};
    ElementStyle MainPegStyle{Rgb(255, 0, 0), Rgb(255, 104, 180), Rgb(255, 0, 0), 2, 0};
    ElementStyle DiskStyle{Rgb(0, 136, 255), Rgb(0, 0, 255), Rgb(0, 136, 255), 1, 0};
    ElementStyle BaseStyle{Rgb(255, 90, 11), Rgb(255, 183, 111), Rgb(255, 90, 11), 3, 0};
    std::int32_t BackgroundIndex = 0;
};

// The one settings record of the program.
extern GameSettingsRecord GameSettings;

// Every peg and disk is a widget of its own, and peg tags 112..222 leave room
// for 111 pegs: the counts are held to these bounds wherever they enter the game.
inline constexpr std::int32_t MinPegCount = 3;
inline constexpr std::int32_t MaxPegCount = 111;
inline constexpr std::int32_t MinDiskCount = 3;
inline constexpr std::int32_t MaxDiskCount = 999;

std::int32_t BoundedPegCount(std::int32_t count);
std::int32_t BoundedDiskCount(std::int32_t count);
