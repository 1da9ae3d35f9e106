// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/controls/colour_names.h"

#include <algorithm>
#include <iterator>

#include "platform/texts/translation.h"

namespace {
static_assert(std::size(PaletteColours) == 40, "a name for each colour of the palette");

// The names of PaletteColours, in the same order.
std::string PaletteName(std::size_t index)
{
    switch (index) {
    case 0: return Translate("Colour", "黑色");
    case 1: return Translate("Colour", "深灰色");
    case 2: return Translate("Colour", "灰色");
    case 3: return Translate("Colour", "中灰色");
    case 4: return Translate("Colour", "银灰色");
    case 5: return Translate("Colour", "浅灰色");
    case 6: return Translate("Colour", "极浅灰色");
    case 7: return Translate("Colour", "白色");
    case 8: return Translate("Colour", "淡红色");
    case 9: return Translate("Colour", "淡橙色");
    case 10: return Translate("Colour", "淡黄色");
    case 11: return Translate("Colour", "淡绿色");
    case 12: return Translate("Colour", "淡青色");
    case 13: return Translate("Colour", "淡蓝色");
    case 14: return Translate("Colour", "淡紫色");
    case 15: return Translate("Colour", "淡粉色");
    case 16: return Translate("Colour", "亮粉色");
    case 17: return Translate("Colour", "浅橙色");
    case 18: return Translate("Colour", "浅黄色");
    case 19: return Translate("Colour", "浅绿色");
    case 20: return Translate("Colour", "浅青色");
    case 21: return Translate("Colour", "天蓝色");
    case 22: return Translate("Colour", "浅紫色");
    case 23: return Translate("Colour", "浅玫红色");
    case 24: return Translate("Colour", "红色");
    case 25: return Translate("Colour", "橙色");
    case 26: return Translate("Colour", "黄色");
    case 27: return Translate("Colour", "绿色");
    case 28: return Translate("Colour", "青色");
    case 29: return Translate("Colour", "蓝色");
    case 30: return Translate("Colour", "紫色");
    case 31: return Translate("Colour", "品红色");
    case 32: return Translate("Colour", "暗红色");
    case 33: return Translate("Colour", "棕色");
    case 34: return Translate("Colour", "橄榄色");
    case 35: return Translate("Colour", "深绿色");
    case 36: return Translate("Colour", "蓝绿色");
    case 37: return Translate("Colour", "海军蓝");
    case 38: return Translate("Colour", "靛青色");
    default: return Translate("Colour", "深紫色");
    }
}
}  // namespace

std::string ColourInWords(Colour colour)
{
    if (colour == NoColour)
        return Translate("Colour", "无颜色");
    const auto named = std::find(std::begin(PaletteColours), std::end(PaletteColours), colour);
    if (named != std::end(PaletteColours))
        return PaletteName(std::size_t(named - std::begin(PaletteColours)));
    return ColourValuesInWords(colour);
}

std::string ColourValuesInWords(Colour colour)
{
    return FillIn(
        Translate("Colour", "红 %1 绿 %2 蓝 %3"),
        {std::to_string(colour & 0xFF), std::to_string((colour >> 8) & 0xFF), std::to_string((colour >> 16) & 0xFF)});
}
