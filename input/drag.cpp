#include "input/drag.h"

#include "core/board.h"
#include "core/effect_requests.h"
#include "core/game_flow.h"
#include "core/game_settings.h"
#include "core/main_window_units.h"
#include "platform/units/units.h"
#include "platform/windows/screen.h"
#include "render/layout.h"
#include "render/scene_builder.h"

bool DragActive = false;
std::int32_t SourcePeg = 0;
std::int32_t TargetPeg = 0;
std::int32_t LiftedDisk = 0;
UnitRef LiftedDiskRef;
std::int32_t DragTop = 0;

namespace {
// The cursor's true position in the main window's client area.
std::int32_t CursorClientX()
{
    return CursorX() - ClientScreenLeft(主窗口);
}

void SetTip(const std::string& text)
{
    SetStatusText(状态条, status_part::Tip, text);
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
    SourcePeg = PegUnderCursor();
    if (SourcePeg == 0 || TopDisk(SourcePeg) == 0)
        return;
    LiftedDisk = TopDisk(SourcePeg);
    LiftedDiskRef = DiskLabel(LiftedDisk);
    DragTop = std::int32_t(GetInt(PegLabel(SourcePeg), prop::Top) / 2.0 - GetInt(LiftedDiskRef, prop::Height) / 2.0);
    CaptureMouse(UnitHandle(EventUnit()));
    DragActive = true;
    DragMove();
    StartClockIfIdle();
    PlayEffect(Effect::PickUp, OtherEffects::Keep);
}

void DragMove()
{
    if (!DragActive)
        return;
    const std::int32_t target = PegUnderCursor();
    if (target != TargetPeg) {
        TargetPeg = target;
        SetTip("从 " + PegLetter(SourcePeg) + " 到 " + PegLetter(target));
    }
    MoveUnit(LiftedDiskRef, std::int32_t(CursorClientX() - GetInt(LiftedDiskRef, prop::Width) * 0.5), DragTop);
}

void DropDisk()
{
    if (!DragActive)
        return;
    DragActive = false;
    ReleaseMouse();
    TargetPeg = PegUnderCursor();
    if (TargetPeg == 0) {
        LayoutScene();
        return;
    }
    const bool blocked = IsDropBlocked(TargetPeg, LiftedDisk);
    if (blocked && TargetPeg == SourcePeg) {
        PlayEffect(Effect::InPlace);
        SetTip("原地放下...");
    } else if (blocked) {
        PlayEffect(Effect::Refused);
        SetTip(ReverseMode ? "当前是逆向模式，因此：短的盘片不能放在长的盘片上面" : "长的盘片不能放在短的盘片上面");
    } else {
        MoveDisk(SourcePeg, TargetPeg, LiftedDisk);
        PlayEffect(Effect::CorrectDrop);
        SetTip("放下正确，继续...");
        const std::string line = PegLetter(SourcePeg) + "→" + PegLetter(TargetPeg);
        MoveRecord += MoveRecord.empty() ? line : "\r\n" + line;
    }
    LayoutScene();
    SettleDrop(TargetPeg, !blocked);
}

bool CancelDrag()
{
    if (!DragActive)
        return false;
    DragActive = false;
    ReleaseMouse();
    return true;
}
