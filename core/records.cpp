// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/records.h"

#include <optional>
#include <utility>

#include "core/board.h"
#include "core/game_flow.h"
#include "core/game_settings.h"
#include "platform/system/calendar.h"
#include "platform/texts/translation.h"

namespace {
RecordsKeeper* keeper = nullptr;
std::optional<RecordTable> records;
std::function<void()> changed;
// The game in which the demonstration last moved a disk.
std::int64_t demonstratedGame = -1;
// A failed save is told once a run, not after every win.
bool saveFailureTold = false;

// Keeps `value` of `day` where it is below the best so far.
bool Beat(BestMark& best, std::int64_t value, const std::string& day)
{
    if (best.Set() && best.Value <= value)
        return false;
    best = {value, day};
    return true;
}

RecordTable& Table()
{
    if (!records)
        records = keeper ? keeper->Load() : RecordTable();
    return *records;
}

// The moves of the game, a line each in its move record.
std::int64_t MovesOfThisGame()
{
    const std::string& record = Course.MoveRecord;
    if (record.empty())
        return 0;
    std::int64_t lines = 1;
    for (std::size_t at = record.find("\r\n"); at != std::string::npos; at = record.find("\r\n", at + 2))
        ++lines;
    return lines;
}

// Saves the records; false when the keeper could not.
bool SaveChanged()
{
    const bool saved = !keeper || keeper->Save(Table());
    if (changed)
        changed();
    return saved;
}
}  // namespace

bool AddFinishedTransfer(RecordTable& table, const FinishedTransfer& transfer)
{
    BoardRecords& board = table[transfer.Board];
    board.Completed += 1;
    if (transfer.Demonstrated)
        return false;
    const bool time = Beat(board.Time, transfer.Seconds, transfer.Date);
    const bool moves = Beat(board.Moves, transfer.Moves, transfer.Date);
    return time || moves;
}

void SetRecordsKeeper(RecordsKeeper* newKeeper)
{
    keeper = newKeeper;
    records.reset();
    saveFailureTold = false;
}

const RecordTable& Records()
{
    return Table();
}

void WhenRecordsChange(std::function<void()> task)
{
    changed = std::move(task);
}

void NoteDemonstrationMove()
{
    demonstratedGame = Course.GameNumber;
}

std::string KeepFinishedTransfer(const std::string& nextTip)
{
    const FinishedTransfer transfer{.Board = {GameSettings.PegCount, GameSettings.DiskCount, ReverseMode},
                                    .Seconds = Course.ElapsedSeconds,
                                    .Moves = MovesOfThisGame(),
                                    .Demonstrated = demonstratedGame == Course.GameNumber,
                                    .Date = TodayText()};
    const bool newRecord = AddFinishedTransfer(Table(), transfer);
    const std::string prefix = newRecord ? Translate("Records", "新纪录！") : std::string();
    if (!SaveChanged() && !std::exchange(saveFailureTold, true))
        return prefix + Translate("Records", "成绩未能存入文件！");
    return prefix + nextTip;
}

bool ClearRecords()
{
    Table().clear();
    return SaveChanged();
}
