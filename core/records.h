// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <compare>
#include <cstdint>
#include <functional>
#include <map>
#include <string>

// The player's records: for each board played, the best time and the fewest
// moves of a completed transfer, each with the day it was set, and how many
// transfers were completed. A transfer in whose game the demonstration moved
// a disk counts as completed and sets no record.

// A board as the records tell boards apart: the main peg's place does not
// matter. Ordered by pegs, then disks, then mode (normal first).
struct RecordBoard {
    std::int32_t PegCount = 0;
    std::int32_t DiskCount = 0;
    bool Reverse = false;

    auto operator<=>(const RecordBoard&) const = default;
};

// A best value and the day it was set ("2026-12-08"); none yet while Value is
// below 0.
struct BestMark {
    std::int64_t Value = -1;
    std::string Date;

    bool Set() const { return Value >= 0; }
    bool operator==(const BestMark&) const = default;
};

struct BoardRecords {
    // In whole seconds, as the clock counts them.
    BestMark Time;
    // Every disk moved to another peg, as the move record lists them.
    BestMark Moves;
    std::int64_t Completed = 0;

    bool operator==(const BoardRecords&) const = default;
};

using RecordTable = std::map<RecordBoard, BoardRecords>;

struct FinishedTransfer {
    RecordBoard Board;
    std::int64_t Seconds = 0;
    std::int64_t Moves = 0;
    bool Demonstrated = false;
    // The day it was completed.
    std::string Date;
};

// Counts the transfer for its board and keeps its time and its moves where
// each beats the board's best; a tie keeps the earlier day. True when either
// was kept.
bool AddFinishedTransfer(RecordTable& table, const FinishedTransfer& transfer);

// Where the records last between runs. With none installed they live in
// memory only.
class RecordsKeeper {
public:
    virtual ~RecordsKeeper() = default;
    virtual RecordTable Load() = 0;
    // False when the records could not be kept; the old ones stay as they were.
    virtual bool Save(const RecordTable& table) = 0;
};

// Installs the keeper (none: nullptr); the records are loaded from it when next used.
void SetRecordsKeeper(RecordsKeeper* keeper);
const RecordTable& Records();
// Runs `task` after each change of the records (none: an empty task).
void WhenRecordsChange(std::function<void()> task);

// The demonstration is about to move a disk in the game in progress.
void NoteDemonstrationMove();
// Counts the game in progress, whose transfer is complete, and keeps its
// records. Gives the tip after the win: `nextTip` after "新纪录！" when a
// record was set; the first time a save fails, word of that instead of
// `nextTip`, as the tip part has no room for both.
std::string KeepFinishedTransfer(const std::string& nextTip);
// Forgets every record; false when that could not be kept.
bool ClearRecords();
