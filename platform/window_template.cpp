#include "platform/window_template.h"

#include "platform/fatal.h"

Bytes PredefinedCursor(CursorShape shape)
{
    const auto code = std::uint32_t(shape);
    return {std::uint8_t(code), std::uint8_t(code >> 8), std::uint8_t(code >> 16), std::uint8_t(code >> 24)};
}

UnitRef WindowRef(const WindowTemplate& window)
{
    return {window.windowId, window.self.id, UnitKind::window};
}

UnitRef UnitRefOf(const WindowTemplate& window, const std::string& name)
{
    for (const UnitTemplate& unit : window.units) {
        if (unit.name == name)
            return {window.windowId, unit.id, unit.kind};
    }
    FatalStop(fault::TypeMismatch, fault::TypeMismatchText);
}

Handler Run(void (*operation)())
{
    return [operation](EventArgs&) { operation(); };
}

Font PixelFont(const std::string& face, int pixels, bool bold)
{
    Font font;
    font.face = face;
    font.height = -pixels;
    font.bold = bold;
    return font;
}
