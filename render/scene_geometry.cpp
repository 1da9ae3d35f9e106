// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/scene_geometry.h"

#include <algorithm>

#include "platform/templates/unit_bounds.h"

namespace {
// Truncates toward zero, as every conversion of the geometry does.
std::int32_t Trunc(double value)
{
    return std::int32_t(value);
}

// A disk's width depends only on its rank: disk `diskCount` fills its column.
std::int32_t DiskWidth(std::int32_t columnWidth, std::int32_t diskCount, std::int32_t disk)
{
    return Trunc(columnWidth - double(diskCount - disk) * columnWidth / diskCount);
}

// Where rows are at least a pixel high, no disk is thinner or narrower than a
// pixel, so every disk shows and can be pressed; the sizes that are already
// larger stay as they are.
std::int32_t AtLeastAPixel(std::int32_t size, const SceneGeometry& scene)
{
    return scene.RowHeight >= 1 ? std::max(size, 1) : size;
}

// The left edge that centres a width on column `column`.
std::int32_t CentredLeft(std::int32_t column, std::int32_t columnWidth, std::int32_t width)
{
    return Trunc((column - 1.0) * columnWidth + columnWidth / 2.0 - width / 2.0);
}

// Stacks the disks of peg `peg` from the base upward, bottom first; returns
// the width of disk 1 when it lies there.
std::optional<std::int32_t> StackDisks(const SceneInput& input, const Peg& peg, std::int32_t column,
                                       SceneGeometry& scene)
{
    std::optional<std::int32_t> disk1Width;
    std::int32_t y = scene.Base.top;
    // A board of many pegs has most slots of each peg empty: they are passed over unchecked.
    const std::span<const DiskRef> slots = peg.Slots.First(input.diskCount);
    for (std::int32_t step = 0; step < input.diskCount; ++step) {
        const std::int32_t k = input.reverse ? step + 1 : input.diskCount - step;
        if (!IsOccupied(slots[std::size_t(k - 1)]))
            continue;
        Rect disk;
        disk.height = BoundedExtent(scene.DiskHeight);
        disk.top = BoundedPosition(Trunc(double(y) - disk.height));
        disk.width = BoundedExtent(AtLeastAPixel(DiskWidth(scene.ColumnWidth, input.diskCount, k), scene));
        disk.left = BoundedPosition(CentredLeft(column, scene.ColumnWidth, disk.width));
        scene.Disks[k] = disk;
        y = disk.top;
        if (k == 1)
            disk1Width = disk.width;
    }
    return disk1Width;
}
}  // namespace

Rect KeyboardMarkRect(std::int32_t column, std::int32_t columnWidth, std::int32_t rowHeight)
{
    Rect mark;
    mark.width = std::max(columnWidth / 4, 2);
    mark.height = std::max(rowHeight / 2, 2);
    mark.left = BoundedPosition(CentredLeft(column, columnWidth, mark.width));
    mark.top = std::max(rowHeight - mark.height / 2, 0);
    return mark;
}

SceneGeometry ComputeScene(const SceneInput& input, const OneBasedArray<Peg>& pegs, const FontFitting& fitToHeight,
                           const FontFitting& fitToWidth)
{
    SceneGeometry scene;
    scene.PlayHeight = Trunc(double(input.clientHeight) - input.statusBarHeight);
    scene.RowHeight = Trunc(double(scene.PlayHeight) / Trunc(input.diskCount + 4.0));
    scene.ColumnWidth = Trunc(double(input.clientWidth) / input.pegCount);
    scene.Base = {0, Trunc(double(scene.PlayHeight) - scene.RowHeight), input.clientWidth, scene.RowHeight};

    scene.DiskHeight = AtLeastAPixel(Trunc(double(scene.RowHeight) / 100 * 80), scene);
    scene.DiskFont = fitToHeight(scene.DiskHeight);
    scene.Disks = OneBasedArray<std::optional<Rect>>(input.diskCount);
    // Pegs are never wider than half of 500 pixels, whatever disk 1 measures.
    std::int32_t narrowest = 500;
    for (std::int32_t i = 1; i <= pegs.Size(); ++i) {
        if (const std::optional<std::int32_t> width = StackDisks(input, pegs[i], i, scene))
            narrowest = std::min(narrowest, *width);
    }

    scene.PegWidth = Trunc(narrowest / 2.0);
    scene.PegFont = fitToWidth(scene.PegWidth);
    scene.Pegs = OneBasedArray<Rect>(input.pegCount);
    for (std::int32_t j = 1; j <= input.pegCount; ++j) {
        Rect& peg = scene.Pegs[j];
        peg.width = std::max(BoundedExtent(scene.PegWidth), 1);
        peg.left = BoundedPosition(CentredLeft(j, scene.ColumnWidth, peg.width));
        peg.top = BoundedPosition(Trunc(scene.RowHeight * 2.0));
        peg.height = BoundedExtent(Trunc(double(scene.PlayHeight) - scene.RowHeight * 3.0));
    }
    return scene;
}
