// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tower_position.h"

#include <algorithm>

#include "core/board.h"
#include "core/game_settings.h"

TowerPosition BoardPosition()
{
    TowerPosition position;
    position.PegCount = Pegs.Size();
    position.MainPeg = GameSettings.MainPeg;
    const std::int32_t disks = Pegs[1].Slots.Size();
    position.PegOfSize.assign(std::size_t(disks), 0);
    for (std::int32_t peg = 1; peg <= position.PegCount; ++peg) {
        const OneBasedArray<DiskRef>& slots = Pegs[peg].Slots;
        for (std::int32_t rank = 1; rank <= disks; ++rank) {
            if (IsOccupied(slots[rank]))
                position.PegOfSize[std::size_t(ReverseMode ? disks - rank : rank - 1)] = peg;
        }
    }
    return position;
}

bool AllOnPeg(const TowerPosition& position, std::int32_t peg)
{
    return std::all_of(position.PegOfSize.begin(), position.PegOfSize.end(),
                       [peg](std::int32_t on) { return on == peg; });
}
