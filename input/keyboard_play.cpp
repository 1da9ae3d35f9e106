// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/keyboard_play.h"

#include <algorithm>

#include "core/disk_moves.h"
#include "core/game_flow.h"
#include "core/game_settings.h"
#include "core/main_window_units.h"
#include "input/drag.h"
#include "input/key_codes.h"
#include "platform/texts/translation.h"
#include "platform/units/units.h"
#include "render/accessible_board.h"
#include "render/layout.h"
#include "render/scene_builder.h"

namespace {

bool MouseDragging()
{
    return Course.Lift.DragActive && !Course.Lift.ByKeyboard;
}

// The disk lifted by a key floats centred over the keyboard's column.
void FloatOverColumn()
{
    FloatLiftedDisk((Course.KeyboardColumn - 1.0) * ColumnWidth + ColumnWidth / 2.0);
}

void PointAt(std::int32_t peg)
{
    Course.KeyboardColumn = peg;
    if (LiftedByKeyboard()) {
        CarryDisk(peg);
        FloatOverColumn();
    }
    PlaceKeyboardMark();
}

void LiftByKeyboard(std::int32_t peg)
{
    Course.KeyboardColumn = peg;
    if (Course.Lift.DragActive || !LiftDisk(peg)) {
        PlaceKeyboardMark();
        return;
    }
    Course.Lift.ByKeyboard = true;
    DragTop = FloatingTop(Course.Lift.SourcePeg, Course.Lift.LiftedDisk);
    FloatOverColumn();
    PlaceKeyboardMark();
}

void PutDownByKeyboard(std::int32_t peg)
{
    if (!LiftedByKeyboard())
        return;
    PointAt(peg);
    PutDownDisk(peg);
}

// A letter names a peg: with a disk lifted by a key it is set down there,
// otherwise that peg's top disk is lifted.
void PlayLetter(int letter)
{
    const std::int32_t peg = letter - key::A + 1;
    if (peg > GameSettings.PegCount)
        return;
    if (LiftedByKeyboard())
        PutDownByKeyboard(peg);
    else
        LiftByKeyboard(peg);
}

void StepColumn(int step)
{
    const std::int32_t peg = Course.KeyboardColumn + step;
    // Sight shows the mark stay at the edge; a screen reader says it.
    if (peg < 1 || peg > GameSettings.PegCount)
        SpeakText(step < 0 ? Translate("Keys", "左边没有柱了") : Translate("Keys", "右边没有柱了"));
    PointAt(std::clamp(peg, 1, GameSettings.PegCount));
}

void ShowMenuAtBoardCentre()
{
    const std::int32_t playHeight = ClientHeight(主窗口) - Get(状态条, prop::Height);
    PopupMenu(主窗口, 菜单文件, ClientScreenLeft(主窗口) + ClientWidth(主窗口) / 2,
              ClientScreenTop(主窗口) + playHeight / 2);
}

bool IsArrow(int keyCode)
{
    return keyCode >= key::Left && keyCode <= key::Down;
}
}  // namespace

void PlayKeyboardMove(std::int32_t source, std::int32_t target)
{
    LiftByKeyboard(source);
    PutDownByKeyboard(target);
}

bool LiftedByKeyboard()
{
    return Course.Lift.DragActive && Course.Lift.ByKeyboard;
}

void EndKeyboardLift()
{
    if (LiftedByKeyboard() && CancelLift())
        LayoutScene();
}

bool PlayByKeyboard(int keyCode, int modifiers)
{
    if ((keyCode == key::F10 && modifiers == modifier::Shift) || (keyCode == key::Menu && modifiers == 0)) {
        ShowMenuAtBoardCentre();
        return true;
    }
    if (keyCode == key::Escape) {
        if (!LiftedByKeyboard())
            return false;
        EndKeyboardLift();
        AnnounceKeyboardColumn();
        return true;
    }
    const bool letter = keyCode >= key::A && keyCode <= key::Z;
    if (modifiers != 0 || !(letter || IsArrow(keyCode)))
        return false;
    // The mouse's drag keeps its disk until the release; behind the pause
    // cover the column stays where it was, as the disks do.
    if (MouseDragging() || GamePaused())
        return true;
    if (letter) {
        PlayLetter(keyCode);
        AnnounceKeyboardColumn();
        return true;
    }
    Course.KeyboardColumnShown = true;
    if (keyCode == key::Left || keyCode == key::Right)
        StepColumn(keyCode == key::Left ? -1 : 1);
    else if (keyCode == key::Up)
        LiftByKeyboard(Course.KeyboardColumn);
    else
        PutDownByKeyboard(Course.KeyboardColumn);
    AnnounceKeyboardColumn();
    return true;
}
