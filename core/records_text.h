// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

#include "core/records.h"

// The records as the text of their file, one section a board, lines ending
// in "\n":
//
//   [3 pegs 3 disks normal]
//   best_time=12
//   best_time_date=2026-12-08
//   fewest_moves=7
//   fewest_moves_date=2026-12-08
//   completed=2
//   fewest_possible=7
//   fewest_possible_proven=yes
//
// A board's mode is "normal" or "reverse". A best not yet set has neither its
// value nor its date. The fewest possible moves are written for whoever reads
// the file; the game works them out itself and does not read them.
std::string RecordsText(const RecordTable& table);

// The records of a file's text. Damage is anything else: a line that is no
// header, key or comment (";" or "#"), a board outside the game's limits or
// given twice, an unknown key, a number that is no plain decimal, one beyond
// what a player could reach, a move count below the proven fewest for its
// board, a best without its date or a date without its best, a board never
// completed. A damaged board is left out; the others are read.
struct ReadRecords {
    RecordTable Table;
    bool Damaged = false;
};
ReadRecords ParseRecords(std::string_view text);

// What a player could reach: the clock counts whole seconds in 32 bits, and
// more moves or transfers than this would take longer than a life.
inline constexpr std::int64_t MostRecordedSeconds = 2147483647;
inline constexpr std::int64_t MostRecordedCount = 1'000'000'000'000'000;
