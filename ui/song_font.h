// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/templates/window_template.h"

// The face of every caption the game's windows set a font for.
inline Font SongFont(int pixels, FontWeight weight = FontWeight::Regular)
{
    return PixelFont("宋体", pixels, weight);
}
