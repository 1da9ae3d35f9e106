// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/scene_builder.h"

#include "core/board.h"
#include "core/game_settings.h"
#include "core/main_window_units.h"
#include "platform/units/units.h"
#include "render/style.h"

BoardLabels BoardView;

std::string PegTag(std::int32_t peg)
{
    return std::to_string(PegTagBase + peg);
}

std::string DiskTag(std::int32_t disk)
{
    return std::to_string(DiskTagBase + disk);
}

LabelUnit PegLabel(std::int32_t peg)
{
    return BoardView.Pegs[peg];
}

LabelUnit DiskLabel(std::int32_t disk)
{
    return BoardView.Disks[disk];
}

namespace {
void DestroyBoardLabels()
{
    const std::int32_t list = FindUnits(主窗口, {}, KindName(UnitKind::Label), FirstPegTag);
    for (std::int32_t i = 0; i < UnitListCount(list); ++i)
        DestroyUnit(UnitListItem(list, i));
    FreeUnitList(list);
}

LabelUnit CloneShown(const LabelUnit& source, const std::string& tag, const std::string& caption,
                     const ElementStyle& style)
{
    LabelUnit clone;
    CloneUnit(source, clone);
    Set(clone, prop::Tag, tag);
    Set(clone, prop::Caption, caption);
    ApplyStyle(style, clone);
    Set(clone, prop::Visible, true);
    return clone;
}
}  // namespace

void BuildBoardElements()
{
    DestroyBoardLabels();
    BoardView = {OneBasedArray<LabelUnit>(GameSettings.PegCount), OneBasedArray<LabelUnit>(GameSettings.DiskCount)};
    ApplyStyle(GameSettings.PegStyle, 标签柱);
    for (std::int32_t i = 1; i <= GameSettings.PegCount; ++i) {
        const ElementStyle& style = i == GameSettings.MainPeg ? GameSettings.MainPegStyle : GameSettings.PegStyle;
        BoardView.Pegs[i] = CloneShown(标签柱, PegTag(i), PegLetter(i), style);
    }
    ApplyStyle(GameSettings.DiskStyle, 标签横);
    for (std::int32_t k = 1; k <= GameSettings.DiskCount; ++k)
        BoardView.Disks[k] = CloneShown(标签横, DiskTag(k), std::to_string(k), GameSettings.DiskStyle);
    ApplyStyle(GameSettings.BaseStyle, 标签基);
}
