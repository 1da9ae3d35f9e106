// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where every label of the board goes, computed from numbers alone: the
// client size, the counts, the reverse flag and which disk lies in which slot.
// Every value is worked out in doubles and truncated toward zero.
#include <cstdint>
#include <functional>
#include <optional>

#include "core/board.h"
#include "platform/templates/window_template.h"

struct SceneInput {
    std::int32_t clientWidth = 0;
    std::int32_t clientHeight = 0;
    std::int32_t statusBarHeight = 0;
    std::int32_t pegCount = 0;
    std::int32_t diskCount = 0;
    bool reverse = false;
};

// A font size in points for a height or width limit.
using FontFitting = std::function<std::int32_t(std::int32_t limit)>;

struct SceneGeometry {
    std::int32_t PlayHeight = 0;
    std::int32_t RowHeight = 0;
    std::int32_t ColumnWidth = 0;
    std::int32_t DiskHeight = 0;
    std::int32_t PegWidth = 0;
    // The base's rectangle as it is asked for; a height of -1 keeps the base's own.
    Rect Base;
    // Disk k's rectangle, for every disk that lies on a peg.
    OneBasedArray<std::optional<Rect>> Disks;
    // Peg i's rectangle.
    OneBasedArray<Rect> Pegs;
    std::int32_t DiskFont = 0;
    std::int32_t PegFont = 0;
};

// The rectangles are those the labels hold afterwards: a size set below 0
// holds 0 and a peg is never narrower than 1, nor, where a row is at least a
// pixel high, a disk thinner or narrower than 1. `fitToHeight` sizes the disks'
// captions, `fitToWidth` the pegs'.
// The mark over the keyboard's column: a bar a quarter of the column wide and
// half a row high, centred on the column in the band above the pegs.
Rect KeyboardMarkRect(std::int32_t column, std::int32_t columnWidth, std::int32_t rowHeight);

SceneGeometry ComputeScene(const SceneInput& input, const OneBasedArray<Peg>& pegs, const FontFitting& fitToHeight,
                           const FontFitting& fitToWidth);
