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

std::string KeepFinishedTransfer()
{
    std::int64_t moves = 0;
    if (!Course.MoveRecord.empty()) {
        moves = 1;
        for (std::size_t at = Course.MoveRecord.find("\r\n"); at != std::string::npos;
             at = Course.MoveRecord.find("\r\n", at + 2))
            ++moves;
    }
    const FinishedTransfer transfer{.Board = {GameSettings.PegCount, GameSettings.DiskCount, ReverseMode},
                                    .Seconds = Course.ElapsedSeconds,
                                    .Moves = moves,
                                    .Demonstrated = demonstratedGame == Course.GameNumber,
                                    .Date = TodayText()};
    const bool newRecord = AddFinishedTransfer(Table(), transfer);
    std::string prefix = newRecord ? Translate("Records", "新纪录！") : std::string();
    if (!SaveChanged() && !std::exchange(saveFailureTold, true))
        prefix += Translate("Records", "成绩未能存入文件！");
    return prefix;
}

bool ClearRecords()
{
    Table().clear();
    return SaveChanged();
}
