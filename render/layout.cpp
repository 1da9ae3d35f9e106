#include "render/layout.h"

#include <algorithm>
#include <map>

#include "core/board.h"
#include "core/game_settings.h"
#include "core/main_window_units.h"
#include "platform/units.h"
#include "render/scene_builder.h"
#include "render/scene_geometry.h"

std::int32_t ColumnWidth = 0;

namespace {
std::int32_t Measure(std::int32_t size, bool bold)
{
    SetInt(画板1, prop::PanelFont, size, font_element::SizePoints);
    return bold ? TextHeight(画板1, "灵") : TextWidth(画板1, "A");
}

// The result is one below the first size (counting from 1) whose measure
// exceeds the limit. Measures never shrink as the size grows, so that first
// size is found by doubling and then halving the step: the same answer as
// trying every size, with a handful of measurements. A size once fitted is
// remembered: the font on 画板1 is the same every time.
std::int32_t FitFont(std::int32_t limit, bool bold, std::map<std::int32_t, std::int32_t>& fitted)
{
    if (auto known = fitted.find(limit); known != fitted.end())
        return known->second;
    SetInt(画板1, prop::PanelFont, bold, font_element::Bold);
    constexpr std::int32_t LargestSize = 4096;
    std::int32_t fits = 0;  // the largest size known to fit, 0 before any
    std::int32_t exceeds = 1;
    while (exceeds < LargestSize && Measure(exceeds, bold) <= limit) {
        fits = exceeds;
        exceeds = std::min(exceeds * 2, LargestSize);
    }
    while (exceeds - fits > 1) {
        const std::int32_t middle = fits + (exceeds - fits) / 2;
        (Measure(middle, bold) <= limit ? fits : exceeds) = middle;
    }
    return fitted[limit] = exceeds - 2;
}

void SetFontSize(const UnitRef& label, std::int32_t points)
{
    SetInt(label, prop::LabelFont, points, font_element::SizePoints);
}
}  // namespace

std::int32_t FitFontToHeight(std::int32_t height)
{
    static std::map<std::int32_t, std::int32_t> fitted;
    return FitFont(height, true, fitted);
}

std::int32_t FitFontToWidth(std::int32_t width)
{
    static std::map<std::int32_t, std::int32_t> fitted;
    return FitFont(width, false, fitted);
}

namespace {
void PlaceLabel(const UnitRef& label, const Rect& rect, std::int32_t fontSize)
{
    MoveUnit(label, rect.left, rect.top, rect.width, rect.height);
    SetFontSize(label, fontSize);
}
}  // namespace

void LayoutScene()
{
    const SceneInput input{ClientWidth(主窗口),     ClientHeight(主窗口),     GetInt(状态条, prop::Height),
                           GameSettings.PegCount, GameSettings.DiskCount, ReverseMode};
    const SceneGeometry scene = ComputeScene(input, Pegs, FitFontToHeight, FitFontToWidth);
    ColumnWidth = scene.ColumnWidth;
    MoveUnit(标签基, scene.Base.left, scene.Base.top, scene.Base.width, scene.Base.height);
    // Only what changed moves: after a drop that is the one disk set down.
    for (std::int32_t k = 1; k <= scene.Disks.Size() && k <= BoardView.Disks.Size(); ++k) {
        if (scene.Disks[k] && UnitExists(DiskLabel(k)))
            PlaceLabel(DiskLabel(k), *scene.Disks[k], scene.DiskFont);
    }
    for (std::int32_t j = 1; j <= scene.Pegs.Size() && j <= BoardView.Pegs.Size(); ++j)
        PlaceLabel(PegLabel(j), scene.Pegs[j], scene.PegFont);
    SetInt(主窗口, prop::Visible, 1);
}
