// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/drag.h"

#include <algorithm>

#include "core/disk_moves.h"
#include "core/game_flow.h"
#include "core/game_settings.h"
#include "core/main_window_units.h"
#include "input/keyboard_play.h"
#include "input/solver_help.h"
#include "platform/units/units.h"
#include "platform/windows/screen.h"
#include "render/layout.h"
#include "render/scene_builder.h"

std::int32_t DragTop = 0;

namespace {
// The cursor's true position in the main window's client area.
std::int32_t CursorClientX()
{
    return CursorX() - ClientScreenLeft(主窗口);
}

}  // namespace

std::int32_t PegUnderCursor()
{
    const std::int32_t x = CursorClientX();
    for (std::int32_t i = 1; i <= GameSettings.PegCount; ++i) {
        if ((i - 1) * ColumnWidth <= x && x <= i * ColumnWidth)
            return i;
    }
    return 0;
}

void FloatLiftedDisk(double centreX)
{
    const LabelUnit disk = DiskLabel(Course.Lift.LiftedDisk);
    const std::int32_t width = std::max(Get(disk, prop::Width), 1);
    MoveUnit(disk, std::int32_t(centreX - width * 0.5), DragTop, width, std::max(Get(disk, prop::Height), 1));
}

std::int32_t FloatingTop(std::int32_t peg, std::int32_t disk)
{
    return std::int32_t(Get(PegLabel(peg), prop::Top) / 2.0 - Get(DiskLabel(disk), prop::Height) / 2.0);
}

void PickUpDisk()
{
    // A press ends a demonstration, and a lift by the keys as a new game does.
    StopDemonstration();
    EndKeyboardLift();
    if (!LiftDisk(PegUnderCursor()))
        return;
    DragTop = FloatingTop(Course.Lift.SourcePeg, Course.Lift.LiftedDisk);
    CaptureMouse(UnitHandle(EventUnit()));
    FloatLiftedDisk(CursorClientX());
    PlaceKeyboardMark();
}

void DragMove()
{
    if (!Course.Lift.DragActive || Course.Lift.ByKeyboard)
        return;
    CarryDisk(PegUnderCursor());
    FloatLiftedDisk(CursorClientX());
}

void DropDisk()
{
    if (!Course.Lift.DragActive || Course.Lift.ByKeyboard)
        return;
    ReleaseMouse();
    PutDownDisk(PegUnderCursor());
}
