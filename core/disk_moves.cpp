// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/disk_moves.h"

#include <string>

#include "core/board.h"
#include "core/effect_requests.h"
#include "core/game_flow.h"
#include "core/game_view.h"
#include "platform/texts/translation.h"

namespace {
void SetTip(const std::string& text)
{
    View().ShowStatus(status_part::Tip, text);
}

void RecordMove(std::int32_t source, std::int32_t target)
{
    const std::string line = PegLetter(source) + "→" + PegLetter(target);
    Course.MoveRecord += Course.MoveRecord.empty() ? line : "\r\n" + line;
}
}  // namespace

bool LiftDisk(std::int32_t peg)
{
    if (GamePaused())
        return false;
    DiskLift& lift = Course.Lift;
    lift.SourcePeg = peg;
    if (peg == 0 || TopDisk(peg) == 0)
        return false;
    lift.LiftedDisk = TopDisk(peg);
    lift.DragActive = true;
    lift.ByKeyboard = false;
    CarryDisk(peg);
    StartClockIfIdle();
    PlayEffect(Effect::PickUp, OtherEffects::Keep);
    return true;
}

void CarryDisk(std::int32_t peg)
{
    DiskLift& lift = Course.Lift;
    if (!lift.DragActive || peg == lift.TargetPeg)
        return;
    lift.TargetPeg = peg;
    SetTip(FillIn(Translate("Game", "从 %1 到 %2"), {PegLetter(lift.SourcePeg), PegLetter(peg)}));
}

void PutDownDisk(std::int32_t peg)
{
    DiskLift& lift = Course.Lift;
    if (!lift.DragActive)
        return;
    lift.DragActive = false;
    lift.TargetPeg = peg;
    if (peg == 0) {
        View().LayoutScene();
        return;
    }
    const bool blocked = IsDropBlocked(peg, lift.LiftedDisk);
    if (blocked && peg == lift.SourcePeg) {
        PlayEffect(Effect::InPlace);
        SetTip(Translate("Game", "原地放下..."));
    } else if (blocked) {
        PlayEffect(Effect::Refused);
        SetTip(ReverseMode ? Translate("Game", "当前是逆向模式，因此：短的盘片不能放在长的盘片上面")
                           : Translate("Game", "长的盘片不能放在短的盘片上面"));
    } else {
        MoveDisk(lift.SourcePeg, peg, lift.LiftedDisk);
        PlayEffect(Effect::CorrectDrop);
        SetTip(Translate("Game", "放下正确，继续..."));
        RecordMove(lift.SourcePeg, peg);
    }
    View().LayoutScene();
    SettleDrop(peg, !blocked);
}

bool CancelLift()
{
    if (!Course.Lift.DragActive)
        return false;
    Course.Lift.DragActive = false;
    View().LiftCancelled();
    return true;
}
