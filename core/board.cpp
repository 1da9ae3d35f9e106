// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/board.h"

#include "core/game_settings.h"
#include "core/settings_table.h"

OneBasedArray<Peg> Pegs;
bool ReverseMode = false;

void BuildBoard()
{
    HoldBoardToBounds(GameSettings);
    Pegs = OneBasedArray<Peg>(GameSettings.PegCount, Peg{OneBasedArray<DiskRef>(GameSettings.DiskCount, NoDisk)});
    OneBasedArray<DiskRef>& main = Pegs[GameSettings.MainPeg].Slots;
    for (std::int32_t k = 1; k <= main.Size(); ++k)
        main[k] = k;
}

std::int32_t TopDisk(std::int32_t peg)
{
    const OneBasedArray<DiskRef>& slots = Pegs[peg].Slots;
    const std::int32_t count = slots.Size();
    for (std::int32_t i = 1; i <= count; ++i) {
        const std::int32_t k = ReverseMode ? count + 1 - i : i;
        if (IsOccupied(slots[k]))
            return k;
    }
    return 0;
}

bool IsDropBlocked(std::int32_t target, std::int32_t disk)
{
    const OneBasedArray<DiskRef>& slots = Pegs[target].Slots;
    if (ReverseMode) {
        for (std::int32_t k = slots.Size(); k >= disk; --k)
            if (IsOccupied(slots[k]))
                return true;
    } else {
        for (std::int32_t k = 1; k <= disk; ++k)
            if (IsOccupied(slots[k]))
                return true;
    }
    return false;
}

void MoveDisk(std::int32_t source, std::int32_t target, std::int32_t disk)
{
    Pegs[target].Slots[disk] = Pegs[source].Slots[disk];
    Pegs[source].Slots[disk] = NoDisk;
}

bool IsPegFull(std::int32_t peg)
{
    const OneBasedArray<DiskRef>& slots = Pegs[peg].Slots;
    for (std::int32_t k = 1; k <= slots.Size(); ++k)
        if (!IsOccupied(slots[k]))
            return false;
    return true;
}

std::string PegLetter(std::int32_t number)
{
    std::string name;
    while (number > 0) {
        std::int32_t r = number % 26;
        if (r == 0) {
            r = 26;
            number -= 1;
        }
        name.insert(name.begin(), char(64 + r));
        number /= 26;
    }
    return name;
}
