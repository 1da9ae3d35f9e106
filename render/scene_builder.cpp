#include "render/scene_builder.h"

#include "core/board.h"
#include "core/game_settings.h"
#include "platform/units.h"
#include "render/style.h"
#include "ui/main_window_template.h"

std::string PegTag(std::int32_t peg)
{
    return std::to_string(111 + peg);
}

std::string DiskTag(std::int32_t disk)
{
    return std::to_string(222 + disk);
}

namespace {
UnitRef CloneShown(const UnitRef& source, const std::string& tag, const std::string& caption,
                   const ElementStyle& style)
{
    UnitRef clone;
    CloneUnit(source, clone);
    SetText(clone, prop::Tag, tag);
    SetText(clone, prop::Caption, caption);
    ApplyStyle(style, clone);
    SetInt(clone, prop::Visible, 1);
    return clone;
}
}  // namespace

void BuildBoardElements()
{
    ApplyStyle(GameSettings.PegStyle, 标签柱);
    for (std::int32_t i = 1; i <= GameSettings.PegCount; ++i) {
        const ElementStyle& style = i == GameSettings.MainPeg ? GameSettings.MainPegStyle : GameSettings.PegStyle;
        Pegs[i].PegLabel = CloneShown(标签柱, PegTag(i), PegLetter(i), style);
    }
    ApplyStyle(GameSettings.DiskStyle, 标签横);
    for (std::int32_t k = 1; k <= GameSettings.DiskCount; ++k)
        Pegs[GameSettings.MainPeg].Slots[k] = CloneShown(标签横, DiskTag(k), std::to_string(k), GameSettings.DiskStyle);
    ApplyStyle(GameSettings.BaseStyle, 标签基);
}
