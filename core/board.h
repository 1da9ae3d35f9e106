#pragma once
#include <cstdint>
#include <string>

#include "platform/one_based_array.h"
#include "platform/unit_ref.h"

// A disk's label, or the empty reference.
using DiskRef = UnitRef;

// One peg: slot k holds disk k while disk k is on this peg.
struct Peg {
    OneBasedArray<DiskRef> Slots;
    UnitRef PegLabel;
};

// The board: pegs numbered from 1, left to right.
extern OneBasedArray<Peg> Pegs;
// Long disks lie on short ones while set.
extern bool ReverseMode;

// Destroys the previous board's labels and builds a fresh one, every disk on the main peg.
void BuildBoard();

// The rank of the peg's top disk, 0 for an empty peg.
std::int32_t TopDisk(std::int32_t peg);
// Whether the size rule refuses disk `disk` on peg `target` (always so on its own peg).
bool IsDropBlocked(std::int32_t target, std::int32_t disk);
void MoveDisk(std::int32_t source, std::int32_t target, std::int32_t disk);
bool IsPegFull(std::int32_t peg);
// "A".."Z", "AA", "AB", ...; empty for 0.
std::string PegLetter(std::int32_t number);
// Whether a slot holds a disk: its label must still exist.
bool IsOccupied(const DiskRef& disk);
