// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/layout.h"

#include <map>

#include "core/board.h"
#include "core/game_flow.h"
#include "core/game_settings.h"
#include "core/main_window_units.h"
#include "platform/units/units.h"
#include "render/accessible_board.h"
#include "render/font_fitting.h"
#include "render/scene_builder.h"
#include "render/scene_geometry.h"

std::int32_t ColumnWidth = 0;

namespace {
// The row height of the last layout, for the keyboard's mark.
std::int32_t layoutRowHeight = 0;
}  // namespace

namespace {
// Disk captions are bold and fitted by the height of "灵", peg captions
// regular and fitted by the width of "A".
enum class Measured {
    BoldHeight,
    RegularWidth
};

std::int32_t Measure(std::int32_t size, Measured what)
{
    Set(画板1, prop::PanelFont, font_part::SizePoints, size);
    return what == Measured::BoldHeight ? TextHeight(画板1, "灵") : TextWidth(画板1, "A");
}

// A size once fitted is remembered: the font on 画板1 is the same every time.
std::int32_t FitFont(std::int32_t limit, Measured what, std::map<std::int32_t, std::int32_t>& fitted)
{
    if (auto known = fitted.find(limit); known != fitted.end())
        return known->second;
    Set(画板1, prop::PanelFont, font_part::Bold, what == Measured::BoldHeight);
    return fitted[limit] = FittedFontSize(limit, [what](std::int32_t size) { return Measure(size, what); });
}

void SetFontSize(const LabelUnit& label, std::int32_t points)
{
    Set(label, prop::LabelFont, font_part::SizePoints, points);
}
}  // namespace

std::int32_t FitFontToHeight(std::int32_t height)
{
    static std::map<std::int32_t, std::int32_t> fitted;
    return FitFont(height, Measured::BoldHeight, fitted);
}

std::int32_t FitFontToWidth(std::int32_t width)
{
    static std::map<std::int32_t, std::int32_t> fitted;
    return FitFont(width, Measured::RegularWidth, fitted);
}

namespace {
void PlaceLabel(const LabelUnit& label, const Rect& rect, std::int32_t fontSize)
{
    MoveUnit(label, rect.left, rect.top, rect.width, rect.height);
    SetFontSize(label, fontSize);
}
}  // namespace

void LayoutScene()
{
    const SceneInput input{ClientWidth(主窗口),   ClientHeight(主窗口),   Get(状态条, prop::Height),
                           GameSettings.PegCount, GameSettings.DiskCount, ReverseMode};
    const SceneGeometry scene = ComputeScene(input, Pegs, FitFontToHeight, FitFontToWidth);
    ColumnWidth = scene.ColumnWidth;
    layoutRowHeight = scene.RowHeight;
    MoveUnit(标签基, scene.Base.left, scene.Base.top, scene.Base.width, scene.Base.height);
    // Only what changed moves: after a drop that is the one disk set down.
    for (std::int32_t k = 1; k <= scene.Disks.Size() && k <= BoardView.Disks.Size(); ++k) {
        if (scene.Disks[k] && UnitExists(DiskLabel(k)))
            PlaceLabel(DiskLabel(k), *scene.Disks[k], scene.DiskFont);
    }
    for (std::int32_t j = 1; j <= scene.Pegs.Size() && j <= BoardView.Pegs.Size(); ++j)
        PlaceLabel(PegLabel(j), scene.Pegs[j], scene.PegFont);
    PlaceKeyboardMark();
    DescribeBoard();
    Set(主窗口, prop::Visible, true);
}

void PlaceKeyboardMark()
{
    const bool shown = Course.KeyboardColumnShown && !Course.Lift.DragActive;
    if (shown) {
        const Rect mark = KeyboardMarkRect(Course.KeyboardColumn, ColumnWidth, layoutRowHeight);
        MoveUnit(标签键盘列, mark.left, mark.top, mark.width, mark.height);
    }
    Set(标签键盘列, prop::Visible, shown);
}
