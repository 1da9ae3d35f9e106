// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/drag.h"

#include <algorithm>

#include "core/disk_moves.h"
#include "core/game_flow.h"
#include "core/game_settings.h"
#include "core/main_window_units.h"
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

// The lifted disk's centre follows the cursor sideways at its floating height.
// It is at least a pixel in each direction, so a disk of a board too crowded
// to show its disks still shows while it is carried.
void FollowCursor()
{
    const LabelUnit disk = DiskLabel(Course.Lift.LiftedDisk);
    const std::int32_t width = std::max(Get(disk, prop::Width), 1);
    MoveUnit(disk, std::int32_t(CursorClientX() - width * 0.5), DragTop, width, std::max(Get(disk, prop::Height), 1));
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

void PickUpDisk()
{
    if (!LiftDisk(PegUnderCursor()))
        return;
    const LabelUnit disk = DiskLabel(Course.Lift.LiftedDisk);
    DragTop = std::int32_t(Get(PegLabel(Course.Lift.SourcePeg), prop::Top) / 2.0 - Get(disk, prop::Height) / 2.0);
    CaptureMouse(UnitHandle(EventUnit()));
    FollowCursor();
}

void DragMove()
{
    if (!Course.Lift.DragActive)
        return;
    CarryDisk(PegUnderCursor());
    FollowCursor();
}

void DropDisk()
{
    if (!Course.Lift.DragActive)
        return;
    ReleaseMouse();
    PutDownDisk(PegUnderCursor());
}
