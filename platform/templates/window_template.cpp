// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/templates/window_template.h"

#include <algorithm>
#include <iterator>
#include <utility>

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

std::vector<std::size_t> TabOrder(const std::vector<UnitTemplate>& units)
{
    std::vector<std::size_t> stops;
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (units[i].tabStop)
            stops.push_back(i);
    }
    const auto rect = [&](std::size_t i) -> const Rect& { return units[i].rect; };
    std::stable_sort(stops.begin(), stops.end(), [&](std::size_t a, std::size_t b) {
        return std::pair(rect(a).top, rect(a).left) < std::pair(rect(b).top, rect(b).left);
    });
    // Each row runs from its topmost unit to the first unit whose middle lies below that unit.
    for (auto row = stops.begin(); row != stops.end();) {
        const std::int64_t bottom = std::int64_t(rect(*row).top) + rect(*row).height;
        const auto end = std::find_if(std::next(row), stops.end(), [&](std::size_t i) {
            return std::int64_t(rect(i).top) + rect(i).height / 2 >= bottom;
        });
        std::stable_sort(row, end, [&](std::size_t a, std::size_t b) { return rect(a).left < rect(b).left; });
        row = end;
    }
    return stops;
}
