// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <vector>

// A position of the puzzle as the solver sees it: the disks in the order of
// their sizes as the stacking rule reads them, the one that goes on top of
// all others first. In normal mode that is rank 1 upwards, in reverse mode
// the highest rank downwards; the puzzle is the same either way.
struct TowerPosition {
    std::int32_t PegCount = 0;
    std::int32_t MainPeg = 0;
    // The peg under each disk, the topmost size first.
    std::vector<std::int32_t> PegOfSize;
};

// The board as it stands (`Pegs`, `ReverseMode`, `GameSettings.MainPeg`).
TowerPosition BoardPosition();

// Whether every disk lies on the peg `peg`.
bool AllOnPeg(const TowerPosition& position, std::int32_t peg);
