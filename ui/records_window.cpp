// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/records_window.h"

#include "core/duration.h"
#include "core/fewest_moves.h"
#include "core/hint_text.h"
#include "core/main_window_units.h"
#include "core/records.h"
#include "platform/controls/message_box.h"
#include "platform/texts/translation.h"

// Units are written as designated initialisers that name only what differs
// from the defaults; GCC 12 warns about every field left out.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {
void ClearAfterAsking()
{
    if (ShowMessage(Translate("Records", "您确定要清除全部成绩吗？"), mb::OkCancel) != mb_result::Ok)
        return;
    if (!ClearRecords())
        ShowMessage(Translate("Records", "成绩未能存入文件！"));
}

WindowTemplate Build()
{
    WindowTemplate window;
    window.windowId = RecordsWindowId;
    UnitTemplate& self = window.self;
    self.name = "成绩窗口";
    self.kind = UnitKind::window;
    self.id = 成绩窗口.unit;
    self.rect = {0, 0, 720, 360};
    self.text = Translate("Records", "成绩");
    self.borderStyle = window_border::NarrowFixed;
    self.controlBox = true;
    self.escCloses = true;
    self.startPosition = start_position::Centred;
    window.units = {
        {.name = "表格成绩",
         .kind = UnitKind::Table,
         .id = 表格成绩.unit,
         .rect = {0, 0, 716, 297},
         .tabStop = true,
         .accessibleName = Translate("Records", "成绩"),
         .items = {Translate("Records", "柱数"), Translate("Records", "盘数"), Translate("Records", "模式"),
                   Translate("Records", "最短用时"), Translate("Records", "最少走法"), Translate("Records", "至少需要"),
                   Translate("Records", "完成次数")}},
        {.name = "按钮清除成绩",
         .kind = UnitKind::Button,
         .id = 按钮清除成绩.unit,
         .rect = {606, 305, 100, 26},
         .tabStop = true,
         .text = Translate("Records", "清除成绩"),
         .events = {{Event::Clicked, Run(ClearAfterAsking)}}},
    };
    return window;
}

// A best with its day, "7（2026-12-08）"; a dash where none is set yet.
std::string BestText(const BestMark& best, const std::string& value)
{
    if (!best.Set())
        return "—";
    return FillIn(Translate("Records", "%1（%2）"), {value, best.Date});
}

// In the status bar's words; a transfer within the clock's first second took 0 seconds.
std::string TimeText(std::int64_t seconds)
{
    return seconds == 0 ? Translate("Game", "0 秒") : FormatDuration(double(seconds) * 1000.0);
}

std::string FewestText(const RecordBoard& board)
{
    const FewestMoves fewest = FewestFromTower(board.PegCount, board.DiskCount);
    const std::string count = MoveCountText(fewest.Moves);
    return fewest.Proven ? FillIn(Translate("Records", "至少 %1"), {count}) : count;
}

// The table's rows: a line a board, its cells parted by tabs.
std::string RecordRows(const RecordTable& table)
{
    std::string rows;
    for (const auto& [board, records] : table) {
        for (const std::string& cell :
             {std::to_string(board.PegCount), std::to_string(board.DiskCount),
              board.Reverse ? Translate("Records", "逆向") : Translate("Records", "正常"),
              BestText(records.Time, TimeText(records.Time.Value)),
              BestText(records.Moves, std::to_string(records.Moves.Value)), FewestText(board)})
            rows += cell + "\t";
        rows += std::to_string(records.Completed) + "\n";
    }
    return rows;
}
}  // namespace

const WindowTemplate& RecordsWindowTemplate()
{
    static const WindowTemplate window = Build();
    return window;
}

void OpenRecordsWindow()
{
    LoadWindow(成绩窗口, 主窗口);
    ShowRecords();
}

void ShowRecords()
{
    if (UnitExists(表格成绩))
        Set(表格成绩, prop::TableRows, RecordRows(Records()));
}
