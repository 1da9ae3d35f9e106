// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_dialog.h"

#include <functional>

#include "core/game_flow.h"
#include "core/game_settings.h"
#include "core/main_window_units.h"
#include "core/settings_table.h"
#include "platform/texts/conversions.h"
#include "platform/units/units.h"
#include "render/scene_builder.h"
#include "render/style.h"
#include "settings/settings_dialog_units.h"

bool DialogFilling = false;

namespace {
enum Target {
    PegTarget,
    MainPegTarget,
    DiskTarget,
    BaseTarget
};

std::int32_t BoxNumber(const EditBoxUnit& box)
{
    return ToInt32Clamped(ToNumber(Get(box, prop::Content)));
}

void ShowNumber(const EditBoxUnit& box, std::int32_t value)
{
    Set(box, prop::Content, std::to_string(value));
}

ElementStyle& TargetStyle(int target)
{
    switch (target) {
    case MainPegTarget: return GameSettings.MainPegStyle;
    case DiskTarget: return GameSettings.DiskStyle;
    case BaseTarget: return GameSettings.BaseStyle;
    default: return GameSettings.PegStyle;
    }
}

// Calls `apply` for every label of the board whose tag lies in the range, in creation order.
void ForEachTagged(std::int32_t lowest, std::int32_t highest, const std::function<void(int, const LabelUnit&)>& apply)
{
    const std::int32_t list = FindUnits(主窗口, {}, "标签", lowest, highest);
    for (std::int32_t i = 0; i < UnitListCount(list); ++i)
        apply(i + 1, AsUnit<UnitKind::Label>(UnitListItem(list, i)));
    FreeUnitList(list);
}

void ApplyToTarget(int target, const ElementStyle& style)
{
    switch (target) {
    case PegTarget:
        ForEachTagged(FirstPegTag, LastPegTag, [&](int peg, const LabelUnit& label) {
            if (peg != GameSettings.MainPeg)
                ApplyStyle(style, label);
        });
        break;
    case MainPegTarget:
        ForEachTagged(FirstPegTag, LastPegTag, [&](int peg, const LabelUnit& label) {
            if (peg == GameSettings.MainPeg)
                ApplyStyle(style, label);
        });
        break;
    case DiskTarget:
        ForEachTagged(FirstDiskTag, INT32_MAX, [&](int, const LabelUnit& label) { ApplyStyle(style, label); });
        break;
    case BaseTarget: ApplyStyle(style, 标签基); break;
    }
}

void TakeSelection(const ComboBoxUnit& list, std::int32_t& field)
{
    if (const std::int32_t selected = Get(list, prop::Selected); selected >= 0)
        field = selected;
}

// A number of the board from its box, held to its bounds: a value outside
// them is written back corrected, and that write runs the box's handler again.
bool AcceptNumber(const EditBoxUnit& box, const Setting& setting)
{
    std::int32_t& field = GameSettings.*setting.number;
    field = BoxNumber(box);
    if (const std::int32_t allowed = BoundedSetting(setting, field, GameSettings); allowed != field) {
        ShowNumber(box, allowed);
        return false;
    }
    return true;
}
}  // namespace

void OpenSettingsDialog()
{
    LoadWindow(设置窗口, 主窗口);
}

// The main peg's box is filled before the peg count's, so that checking the
// main peg against the peg count finds the main peg it holds and keeps it.
void FillSettingsDialog()
{
    DialogFilling = true;
    ShowNumber(编辑框盘数, GameSettings.DiskCount);
    ShowNumber(编辑框主柱, GameSettings.MainPeg);
    ShowNumber(编辑框柱数, GameSettings.PegCount);
    ShowTargetStyle();
    DialogFilling = false;
}

void OnDiskCountEdited()
{
    if (AcceptNumber(编辑框盘数, SettingOf(&GameSettingsRecord::DiskCount)) && !DialogFilling)
        NewGame(new_game::Redraw);
}

void OnPegCountEdited()
{
    if (!AcceptNumber(编辑框柱数, SettingOf(&GameSettingsRecord::PegCount)))
        return;
    Set(编辑框主柱, prop::SpinnerMax, GameSettings.PegCount);
    OnMainPegEdited();
}

void OnMainPegEdited()
{
    if (AcceptNumber(编辑框主柱, SettingOf(&GameSettingsRecord::MainPeg)) && !DialogFilling)
        NewGame(new_game::Redraw);
}

void ShowTargetStyle()
{
    const ElementStyle& style = TargetStyle(Get(组合框修改对象, prop::Selected));
    Set(组合框边框, prop::Selected, style.BorderStyle);
    Set(组合框渐变, prop::Selected, style.GradientMode);
    Set(颜色选择器1, prop::PickedColour, style.Colour1);
    Set(颜色选择器2, prop::PickedColour, style.Colour2);
    Set(颜色选择器3, prop::PickedColour, style.Colour3);
}

void ApplyDialogStyle()
{
    const int target = Get(组合框修改对象, prop::Selected);
    ElementStyle style = TargetStyle(target);
    // A stored value that the list has no entry for shows no entry selected
    // and stays as it is until the player picks one.
    TakeSelection(组合框边框, style.BorderStyle);
    TakeSelection(组合框渐变, style.GradientMode);
    style.Colour1 = Get(颜色选择器1, prop::PickedColour);
    style.Colour2 = Get(颜色选择器2, prop::PickedColour);
    style.Colour3 = Get(颜色选择器3, prop::PickedColour);
    TargetStyle(target) = style;
    ApplyToTarget(target, style);
}
