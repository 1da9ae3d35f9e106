#include "settings/window_placement.h"

#include <algorithm>

#include "platform/conversions.h"
#include "platform/screen.h"
#include "platform/units.h"
#include "settings/settings_store.h"

namespace {
// A title bar can be grabbed when this much of it lies on one screen.
constexpr int GripHeight = 24;
constexpr int GripWidth = 64;

bool TitleBarReachable(const Rect& window, const Rect& screen)
{
    const std::int64_t left = std::max<std::int64_t>(window.left, screen.left);
    const std::int64_t right =
        std::min<std::int64_t>(std::int64_t(window.left) + window.width, std::int64_t(screen.left) + screen.width);
    const bool inside = window.top >= screen.top &&
                        std::int64_t(window.top) + GripHeight <= std::int64_t(screen.top) + screen.height;
    return inside && right - left >= GripWidth;
}

std::int32_t Centred(std::int32_t start, std::int32_t room, std::int32_t size)
{
    return start + std::max(0, (room - size) / 2);
}
}  // namespace

Rect PlacementOnScreen(Rect stored, const std::vector<Rect>& screens, const Rect& startScreen)
{
    stored.width = std::max(stored.width, MinPlacementWidth);
    stored.height = std::max(stored.height, MinPlacementHeight);
    const bool reachable = std::any_of(screens.begin(), screens.end(),
                                       [&](const Rect& screen) { return TitleBarReachable(stored, screen); });
    if (!reachable) {
        stored.left = Centred(startScreen.left, startScreen.width, stored.width);
        stored.top = Centred(startScreen.top, startScreen.height, stored.height);
    }
    return stored;
}

void SettingsFile::WriteWindowPlacement(const UnitRef& window, const std::string& section)
{
    if (!section.empty())
        SetSection(section);
    const std::int32_t state = WindowPositionState(window);
    WriteNumber("位置", state);
    if (state > start_position::Centred)
        return;
    WriteNumber("左边", GetInt(window, prop::Left));
    WriteNumber("顶边", GetInt(window, prop::Top));
    WriteNumber("宽度", GetInt(window, prop::Width));
    WriteNumber("高度", GetInt(window, prop::Height));
}

void SettingsFile::ReadWindowPlacement(const UnitRef& window, const std::string& section)
{
    if (!section.empty())
        SetSection(section);
    const std::int32_t state = ToInt32Clamped(ReadNumber("位置", WindowPositionState(window)));
    if (state == start_position::Minimised || state == start_position::Maximised) {
        SetWindowPositionState(window, state);
        return;
    }
    Rect stored;
    stored.left = ToInt32Clamped(ReadNumber("左边", GetInt(window, prop::Left)));
    stored.top = ToInt32Clamped(ReadNumber("顶边", GetInt(window, prop::Top)));
    stored.width = ToInt32Clamped(ReadNumber("宽度", GetInt(window, prop::Width)));
    stored.height = ToInt32Clamped(ReadNumber("高度", GetInt(window, prop::Height)));
    const Rect placed = PlacementOnScreen(stored, ScreenAreas(), StartScreenArea());
    MoveUnit(window, placed.left, placed.top, placed.width, placed.height);
}
