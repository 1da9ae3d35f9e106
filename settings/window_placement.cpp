// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/window_placement.h"

#include <algorithm>

#include "platform/texts/conversions.h"
#include "platform/units/units.h"
#include "platform/windows/screen.h"
#include "settings/settings_file.h"

namespace {
// A title bar can be grabbed when this much of it lies on one screen.
constexpr int GripHeight = MinPlacementHeight;
constexpr int GripWidth = MinPlacementWidth;

bool TitleBarReachable(const Rect& window, const Rect& screen)
{
    const std::int64_t left = std::max<std::int64_t>(window.left, screen.left);
    const std::int64_t right =
        std::min<std::int64_t>(std::int64_t(window.left) + window.width, std::int64_t(screen.left) + screen.width);
    const bool inside =
        window.top >= screen.top && std::int64_t(window.top) + GripHeight <= std::int64_t(screen.top) + screen.height;
    return inside && right - left >= GripWidth;
}

std::int32_t Centred(std::int32_t start, std::int32_t room, std::int32_t size)
{
    return start + std::max(0, (room - size) / 2);
}

// The start of a span of this size placed as near `start` as fits in the room.
std::int32_t Inside(std::int32_t start, std::int32_t size, std::int32_t roomStart, std::int32_t room)
{
    const std::int64_t last = std::int64_t(roomStart) + room - size;
    return std::int32_t(std::clamp<std::int64_t>(start, roomStart, std::max<std::int64_t>(roomStart, last)));
}
}  // namespace

Rect SavedWindowRect;

bool InFullScreen(const WindowUnit& window)
{
    return Get(window, prop::WindowBorder) == window_border::None;
}

Rect PlaceToStore(const WindowUnit& window)
{
    return InFullScreen(window) ? SavedWindowRect : NormalWindowRect(window);
}

Rect PlacementOnScreen(Rect stored, const std::vector<Rect>& screens, const Rect& startScreen)
{
    stored.width = std::max(stored.width, MinPlacementWidth);
    stored.height = std::max(stored.height, MinPlacementHeight);
    const auto home = std::find_if(screens.begin(), screens.end(),
                                   [&](const Rect& screen) { return TitleBarReachable(stored, screen); });
    const Rect& screen = home != screens.end() ? *home : startScreen;
    const bool oversize = stored.width > screen.width || stored.height > screen.height;
    stored.width = std::min(stored.width, std::max(screen.width, MinPlacementWidth));
    stored.height = std::min(stored.height, std::max(screen.height, MinPlacementHeight));
    if (home == screens.end()) {
        stored.left = Centred(screen.left, screen.width, stored.width);
        stored.top = Centred(screen.top, screen.height, stored.height);
    } else if (oversize) {
        stored.left = Inside(stored.left, stored.width, screen.left, screen.width);
        stored.top = Inside(stored.top, stored.height, screen.top, screen.height);
    }
    return stored;
}

void SettingsFile::WriteWindowPlacement(const WindowUnit& window, const std::string& section)
{
    if (!section.empty())
        SetSection(section);
    WriteNumber("位置", WindowPositionState(window));
    // A maximised or minimised window, too, keeps the place it returns to.
    const Rect place = PlaceToStore(window);
    WriteNumber("左边", place.left);
    WriteNumber("顶边", place.top);
    WriteNumber("宽度", place.width);
    WriteNumber("高度", place.height);
}

void SettingsFile::ReadWindowPlacement(const WindowUnit& window, const std::string& section)
{
    if (!section.empty())
        SetSection(section);
    const std::int32_t state = ToInt32Clamped(ReadNumber("位置", WindowPositionState(window)));
    // The rectangle is the window's normal place, also for a window that
    // starts maximised or minimised: it returns there when restored.
    Rect stored;
    stored.left = ToInt32Clamped(ReadNumber("左边", Get(window, prop::Left)));
    stored.top = ToInt32Clamped(ReadNumber("顶边", Get(window, prop::Top)));
    stored.width = ToInt32Clamped(ReadNumber("宽度", Get(window, prop::Width)));
    stored.height = ToInt32Clamped(ReadNumber("高度", Get(window, prop::Height)));
    const Rect placed = PlacementOnScreen(stored, ScreenAreas(), StartScreenArea());
    MoveUnit(window, placed.left, placed.top, placed.width, placed.height);
    if (state == start_position::Minimised || state == start_position::Maximised)
        SetWindowPositionState(window, state);
}
