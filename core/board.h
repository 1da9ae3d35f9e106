// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>

#include "platform/system/one_based_array.h"

// What a slot holds: the rank of the disk lying there, or NoDisk. The board is
// plain data; the labels that show it are its view.
using DiskRef = std::int32_t;
inline constexpr DiskRef NoDisk = 0;

// One peg: slot k holds disk k while disk k is on this peg.
struct Peg {
    OneBasedArray<DiskRef> Slots;
};

// The board: pegs numbered from 1, left to right.
extern OneBasedArray<Peg> Pegs;
// Long disks lie on short ones while set.
extern bool ReverseMode;

// A fresh board for the settings' counts, held to their bounds, every disk on the main peg.
void BuildBoard();

// The rank of the peg's top disk, 0 for an empty peg.
std::int32_t TopDisk(std::int32_t peg);
// Whether the size rule refuses disk `disk` on peg `target` (always so on its own peg).
bool IsDropBlocked(std::int32_t target, std::int32_t disk);
void MoveDisk(std::int32_t source, std::int32_t target, std::int32_t disk);
bool IsPegFull(std::int32_t peg);
// "A".."Z", "AA", "AB", ...; empty for 0.
std::string PegLetter(std::int32_t number);
inline bool IsOccupied(DiskRef disk)
{
    return disk != NoDisk;
}
