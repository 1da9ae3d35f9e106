// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>

#include "core/settings_table.h"
#include "platform/system/one_based_array.h"
#include "platform/templates/unit_ref.h"

// Tags that tell the board's labels apart: peg i is tagged PegTagBase + i and
// disk k DiskTagBase + k, so pegs run from 112 up and disks from 223 up, and a
// board holds at most 111 pegs.
inline constexpr std::int32_t PegTagBase = 111;
inline constexpr std::int32_t DiskTagBase = 222;
inline constexpr std::int32_t FirstPegTag = PegTagBase + 1;
inline constexpr std::int32_t LastPegTag = DiskTagBase;
inline constexpr std::int32_t FirstDiskTag = DiskTagBase + 1;
static_assert(PegTagBase + MaxPegCount == DiskTagBase, "peg tags must stay below the disks'");
std::string PegTag(std::int32_t peg);
std::string DiskTag(std::int32_t disk);

// The labels that show the board: peg i's and disk k's, wherever it lies.
struct BoardLabels {
    OneBasedArray<LabelUnit> Pegs;
    OneBasedArray<LabelUnit> Disks;
};
extern BoardLabels BoardView;
LabelUnit PegLabel(std::int32_t peg);
LabelUnit DiskLabel(std::int32_t disk);

// Destroys the previous board's labels and clones a label per peg and per
// disk from the templates, styled, tagged and captioned, for the fresh `Pegs`.
void BuildBoardElements();
