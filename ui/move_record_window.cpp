// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/move_record_window.h"

#include "core/game_flow.h"
#include "core/main_window_units.h"
#include "platform/texts/translation.h"

namespace {
WindowTemplate Build()
{
    WindowTemplate window;
    window.windowId = MoveRecordWindowId;
    UnitTemplate& self = window.self;
    self.name = "走法窗口";
    self.kind = UnitKind::window;
    self.id = 走法窗口.unit;
    self.rect = {0, 0, 144, 415};
    self.text = Translate("MoveRecord", "当前的走法记录：");
    self.borderStyle = window_border::NarrowFixed;
    self.controlBox = self.minBox = self.maxBox = true;
    self.escCloses = true;
    self.startPosition = start_position::Centred;
    self.events = {{Event::Created, [](EventArgs&) { ShowMoveRecord(); }}};

    UnitTemplate record;
    record.name = "编辑框走法";
    record.kind = UnitKind::EditBox;
    record.id = 编辑框走法.unit;
    record.rect = {0, 0, 140, 392};
    record.tabStop = true;
    record.accessibleName = Translate("MoveRecord", "走法记录");
    record.multiLine = record.wordWrap = record.verticalScroll = record.readOnly = true;
    record.hAlign = HAlign::Centre;
    record.textColour = Rgb(0, 0, 0);
    record.backColour = Rgb(255, 255, 255);
    record.font = Font{.face = "宋体", .height = -29, .bold = true};
    window.units = {record};
    return window;
}
}  // namespace

const WindowTemplate& MoveRecordWindowTemplate()
{
    static const WindowTemplate window = Build();
    return window;
}

void OpenMoveRecordWindow()
{
    LoadWindow(走法窗口, 主窗口);
}

void ShowMoveRecord()
{
    Set(编辑框走法, prop::Content, Course.MoveRecord);
}
