// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/templates/font.h"

#include <cstdlib>

std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = std::int64_t(a) * b;
    const std::int64_t half = std::llabs(c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t magnitude = (std::llabs(product) + half) / std::llabs(c);
    return std::int32_t(negative ? -magnitude : magnitude);
}

std::int32_t HeightForPoints(std::int32_t points)
{
    return -MulDiv(points < 0 ? 0 : points, FontDotsPerInch, 72);
}

std::int32_t PointsForHeight(std::int32_t height)
{
    return MulDiv(height < 0 ? -height : height, 72, FontDotsPerInch);
}

std::int32_t FontElement(const Font& font, int element)
{
    switch (element) {
    case font_element::Escapement: return font.escapement;
    case font_element::Bold: return font.bold;
    case font_element::Italic: return font.italic;
    case font_element::Underline: return font.underline;
    case font_element::StrikeOut: return font.strikeOut;
    case font_element::SizePoints: return PointsForHeight(font.height);
    default: return 0;
    }
}

void SetFontElement(Font& font, int element, std::int32_t value)
{
    switch (element) {
    case font_element::Escapement: {
        const std::int32_t turned = value % 3600;
        font.escapement = turned < 0 ? turned + 3600 : turned;
        break;
    }
    case font_element::Bold: font.bold = value != 0; break;
    case font_element::Italic: font.italic = value != 0; break;
    case font_element::Underline: font.underline = value != 0; break;
    case font_element::StrikeOut: font.strikeOut = value != 0; break;
    case font_element::SizePoints: font.height = HeightForPoints(value); break;
    default: break;
    }
}

namespace {
// Bytes the name takes in the settings' code page: two for each character
// outside ASCII, as GBK stores the CJK characters a face name holds.
std::size_t CodePageLength(const std::string& text)
{
    std::size_t length = 0;
    for (unsigned char c : text) {
        if (c < 0x80)
            length += 1;
        else if ((c & 0xC0) != 0x80)
            length += 2;
    }
    return length;
}
}  // namespace

void SetFontFace(Font& font, const std::string& face)
{
    const std::size_t length = CodePageLength(face);
    font.face = (length == 0 || length > 31) ? "宋体" : face;
}
