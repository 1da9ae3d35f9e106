// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours as a screen reader says them. Internal to platform/.
#include <string>

#include "platform/templates/window_template.h"

// The colour pickers' palette, in rows of eight: greys, then the hues from
// light to dark.
inline constexpr Colour PaletteColours[] = {
    Rgb(0, 0, 0),       Rgb(64, 64, 64),    Rgb(128, 128, 128), Rgb(160, 160, 160), Rgb(192, 192, 192),
    Rgb(224, 224, 224), Rgb(240, 240, 240), Rgb(255, 255, 255), Rgb(255, 204, 204), Rgb(255, 229, 204),
    Rgb(255, 255, 204), Rgb(204, 255, 204), Rgb(204, 255, 255), Rgb(204, 229, 255), Rgb(229, 204, 255),
    Rgb(255, 204, 229), Rgb(255, 104, 180), Rgb(255, 183, 111), Rgb(255, 255, 102), Rgb(102, 255, 102),
    Rgb(102, 255, 255), Rgb(0, 136, 255),   Rgb(178, 102, 255), Rgb(255, 102, 178), Rgb(255, 0, 0),
    Rgb(255, 90, 11),   Rgb(255, 255, 0),   Rgb(0, 255, 0),     Rgb(0, 255, 255),   Rgb(0, 0, 255),
    Rgb(128, 0, 255),   Rgb(255, 0, 255),   Rgb(153, 0, 0),     Rgb(153, 76, 0),    Rgb(153, 153, 0),
    Rgb(0, 128, 0),     Rgb(0, 128, 128),   Rgb(0, 0, 128),     Rgb(76, 0, 153),    Rgb(128, 0, 128),
};

// A colour of the palette by its name, "no colour" by that, and any other by
// its red, green and blue values, in the player's language.
std::string ColourInWords(Colour colour);
// The colour's red, green and blue values, in the player's language.
std::string ColourValuesInWords(Colour colour);
