#include "render/layout.h"

#include <algorithm>
#include <map>

#include "core/board.h"
#include "core/game_settings.h"
#include "platform/fatal.h"
#include "platform/units.h"
#include "render/scene_builder.h"
#include "ui/main_window_template.h"

std::int32_t ColumnWidth = 0;

namespace {
// Truncates toward zero, as every conversion of the geometry does.
std::int32_t Trunc(double value)
{
    return std::int32_t(value);
}

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

void LayoutScene()
{
    const std::int32_t diskCount = GameSettings.DiskCount;
    const std::int32_t playHeight = Trunc(double(ClientHeight(主窗口)) - GetInt(状态条, prop::Height));
    const std::int32_t rowHeight = Trunc(double(playHeight) / Trunc(diskCount + 4.0));
    const std::int32_t clientWidth = ClientWidth(主窗口);
    ColumnWidth = Trunc(double(clientWidth) / GameSettings.PegCount);

    MoveUnit(标签基, 0, Trunc(double(playHeight) - rowHeight), clientWidth, rowHeight);

    const std::int32_t diskHeight = Trunc(double(rowHeight) / 100 * 80);
    const std::int32_t diskFont = FitFontToHeight(diskHeight);
    std::int32_t narrowest = 500;
    for (std::int32_t i = 1; i <= Pegs.Size(); ++i) {
        std::int32_t y = GetInt(标签基, prop::Top);
        for (std::int32_t step = 0; step < diskCount; ++step) {
            const std::int32_t k = ReverseMode ? step + 1 : diskCount - step;
            const DiskRef& disk = Pegs[i].Slots[k];
            if (!IsOccupied(disk))
                continue;
            SetInt(disk, prop::Height, diskHeight);
            SetInt(disk, prop::Top, Trunc(double(y) - GetInt(disk, prop::Height)));
            SetInt(disk, prop::Width, Trunc(ColumnWidth - double(diskCount - k) * ColumnWidth / diskCount));
            SetInt(disk, prop::Left,
                   Trunc((i - 1.0) * ColumnWidth + ColumnWidth / 2.0 - GetInt(disk, prop::Width) / 2.0));
            SetFontSize(disk, diskFont);
            y = GetInt(disk, prop::Top);
            if (k == 1)
                narrowest = std::min(narrowest, GetInt(disk, prop::Width));
        }
    }

    const std::int32_t pegWidth = Trunc(narrowest / 2.0);
    const std::int32_t pegFont = FitFontToWidth(pegWidth);
    const std::int32_t list = FindUnits(主窗口, {}, {}, FirstPegTag, LastPegTag);
    for (std::int32_t j = 1; j <= GameSettings.PegCount && j <= UnitListCount(list); ++j) {
        const UnitRef peg = UnitListItem(list, j - 1);
        if (peg.kind != UnitKind::Label)
            FatalStop(fault::TypeMismatch, fault::TypeMismatchText);
        SetInt(peg, prop::Width, pegWidth);
        if (GetInt(peg, prop::Width) < 1)
            SetInt(peg, prop::Width, 1);
        SetInt(peg, prop::Left, Trunc((j - 1.0) * ColumnWidth + ColumnWidth / 2.0 - GetInt(peg, prop::Width) / 2.0));
        SetInt(peg, prop::Top, Trunc(rowHeight * 2.0));
        SetInt(peg, prop::Height, Trunc(double(playHeight) - rowHeight * 3.0));
        SetFontSize(peg, pegFont);
    }
    FreeUnitList(list);
    SetInt(主窗口, prop::Visible, 1);
}
