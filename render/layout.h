// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

// Width of one peg's column: the client width divided by the peg count,
// truncated. Kept between layouts, since hit testing reads it.
extern std::int32_t ColumnWidth;

// Places every label of the board from the model and the client size.
void LayoutScene();
// Shows the keyboard's column over its peg once the keys have pointed at one,
// while nothing is lifted; hides it otherwise.
void PlaceKeyboardMark();

// Font sizes in points: one below the largest whose "灵" (bold) fits the
// height, or whose "A" (regular) fits the width.
std::int32_t FitFontToHeight(std::int32_t height);
std::int32_t FitFontToWidth(std::int32_t width);
