// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/templates/window_template.h"

Bytes PredefinedCursor(CursorShape shape)
{
    const auto code = std::uint32_t(shape);
    return {std::uint8_t(code), std::uint8_t(code >> 8), std::uint8_t(code >> 16), std::uint8_t(code >> 24)};
}

Handler Run(void (*operation)())
{
    return [operation](EventArgs&) { operation(); };
}

Font PixelFont(const std::string& face, int pixels, FontWeight weight)
{
    Font font;
    font.face = face;
    font.height = -pixels;
    font.bold = weight == FontWeight::Bold;
    return font;
}
