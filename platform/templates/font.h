// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>

// A unit's font as the window templates and the numbered font properties see
// it. `height` is the character height in pixels, stored negative (a positive
// value would mean the cell height).
struct Font {
    std::string face = "宋体";
    std::int32_t height = -12;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::int32_t escapement = 0;  // tenths of a degree, 0..3599

    bool operator==(const Font&) const = default;
};

enum class FontWeight {
    Regular,
    Bold
};

// The font elements of a font property, by number.
namespace font_element {
inline constexpr int Escapement = 0;
inline constexpr int Bold = 1;
inline constexpr int Italic = 2;
inline constexpr int Underline = 3;
inline constexpr int StrikeOut = 4;
inline constexpr int SizePoints = 5;
inline constexpr int Face = 6;
}  // namespace font_element

// a × b / c rounded half away from zero, as Windows' MulDiv rounds.
std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c);

// Font sizes are fixed at 96 dots per inch, whatever the screen says.
inline constexpr std::int32_t FontDotsPerInch = 96;

// The character height, negative, for a size in points (a negative size counts as 0).
std::int32_t HeightForPoints(std::int32_t points);
// The size in points that a character height stands for.
std::int32_t PointsForHeight(std::int32_t height);

// Reads one element of a font as an int32 (bold and the like as 0 or 1);
// the face is read with FontFace.
std::int32_t FontElement(const Font& font, int element);
// Writes one int32 element, with the clamping rules of each element.
void SetFontElement(Font& font, int element, std::int32_t value);
// Writes the face: an empty name or one longer than 31 bytes gives "宋体".
void SetFontFace(Font& font, const std::string& face);
