// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window_template.h"

#include "core/game_flow.h"
#include "core/settings_table.h"
#include "input/drag.h"
#include "input/key_commands.h"
#include "input/solver_help.h"
#include "media/pictures.h"
#include "platform/system/program_identity.h"
#include "platform/texts/translation.h"
#include "settings/settings_dialog.h"
#include "ui/about_window.h"
#include "ui/contact.h"
#include "ui/main_window.h"
#include "ui/move_record_window.h"
#include "ui/records_window.h"
#include "ui/song_font.h"

// Units are written as designated initialisers that name only what differs
// from the defaults; GCC 12 warns about every field left out.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {
// The templates of disks, pegs and base show the default looks of their settings.
constexpr ElementStyle DiskLook = SettingOf(标签横).defaultStyle;
constexpr ElementStyle PegLook = SettingOf(标签柱).defaultStyle;
constexpr ElementStyle BaseLook = SettingOf(标签基).defaultStyle;

UnitTemplate MenuEntry(const UnitRef& ref, std::string caption, void (*command)() = nullptr, unsigned state = 0)
{
    UnitTemplate entry;
    if (command)
        entry.events = {{Event::Clicked, Run(command)}};
    entry.kind = UnitKind::menu;
    entry.id = ref.unit;
    entry.text = std::move(caption);
    entry.menuLevel = 1;
    entry.menuState = state;
    return entry;
}

WindowTemplate Build()
{
    WindowTemplate window;
    window.windowId = MainWindowId;

    UnitTemplate& self = window.self;
    self.name = "主窗口";
    self.kind = UnitKind::window;
    self.id = 主窗口.unit;
    self.rect = {0, 0, 619, 434};
    self.text = MainWindowTitle();
    self.borderStyle = window_border::Resizable;
    self.minBox = self.maxBox = self.controlBox = true;
    self.movable = true;
    self.escCloses = true;
    self.startPosition = start_position::Centred;
    self.picture = MainBackgroundPicture();
    self.pictureMode = picture_mode::Stretched;
    self.events = {
        {Event::Created, Run(OnMainWindowCreated)},
        {Event::Resized, Run(OnMainWindowResized)},
        {Event::CloseQuery, OnMainWindowCloseQuery},
        // A click anywhere ends a demonstration.
        {Event::LeftDown, Run(StopDemonstration)},
        {Event::RightDown,
         [](EventArgs&) {
             StopDemonstration();
             ShowContextMenu();
         }},
        {Event::DoubleClick, Run(ToggleFullScreen)},
        {Event::KeyDown,
         [](EventArgs& args) {
             args.keyUsed = HandleKey(args.key, args.modifiers, OpenAboutWindow, OpenRecordsWindow);
         }},
    };

    const std::string pauseText =
        Translate("MainWindow",
                  "\r\n\r\n\r\n您暂停了游戏，为防止暂停期间的思考（此举为时间作弊），故以此图遮挡画面。"
                  "\r\n\r\n继续游戏请点击 >>>");
    window.units = {
        {.name = "画板1", .kind = UnitKind::DrawPanel, .id = 画板1.unit, .rect = {304, 203, 32, 32}, .visible = false},
        {.name = "标签暂停",
         .kind = UnitKind::Label,
         .id = 标签暂停.unit,
         .rect = {24, 32, 448, 168},
         .visible = false,
         .text = pauseText,
         .accessibleName = Translate("MainWindow", "游戏已暂停"),
         .accessibleDescription = pauseText,
         .font = SongFont(19, FontWeight::Bold),
         .textColour = Rgb(255, 255, 255),
         .hAlign = HAlign::Centre,
         .vAlign = VAlign::Centre,
         .wordWrap = true,
         .picture = PauseCoverPicture(),
         .pictureMode = picture_mode::Tiled,
         .events = {{Event::LeftDown, Run(TogglePause)}}},
        // A small bar in the free band above the pegs; it takes no clicks.
        {.name = "标签键盘列",
         .kind = UnitKind::Label,
         .id = 标签键盘列.unit,
         .rect = {0, 0, 16, 6},
         .visible = false,
         .disabled = true,
         .accessibleName = Translate("MainWindow", "键盘列"),
         .gradientMode = 1,
         .gradient = {Rgb(255, 255, 0), Rgb(255, 128, 0), Rgb(255, 255, 0)}},
        {.name = "时钟演示",
         .kind = UnitKind::Timer,
         .id = 时钟演示.unit,
         .visible = false,
         .interval = 0,
         .events = {{Event::Tick, Run(DemonstrationStep)}}},
        {.name = "时钟耗费时间",
         .kind = UnitKind::Timer,
         .id = 时钟耗费时间.unit,
         .visible = false,
         .interval = 0,
         .events = {{Event::Tick, Run(ClockTick)}}},
        {.name = "标签横",
         .kind = UnitKind::Label,
         .id = 标签横.unit,
         .rect = {88, 240, 328, 24},
         .visible = false,
         .cursor = PredefinedCursor(CursorShape::Hand),
         .accessibleName = Translate("MainWindow", "盘"),
         .font = SongFont(20, FontWeight::Bold),
         .textColour = Rgb(255, 255, 0),
         .hAlign = HAlign::Centre,
         .vAlign = VAlign::Centre,
         .borderStyle = DiskLook.BorderStyle,
         .gradientMode = DiskLook.GradientMode,
         .gradient = {DiskLook.Colour1, DiskLook.Colour2, DiskLook.Colour3},
         .events = {{Event::LeftDown, Run(PickUpDisk)},
                    {Event::LeftUp, Run(DropDisk)},
                    {Event::MouseMove, Run(DragMove)}}},
        {.name = "标签柱",
         .kind = UnitKind::Label,
         .id = 标签柱.unit,
         .rect = {240, 0, 8, 256},
         .visible = false,
         .disabled = true,
         .accessibleName = Translate("MainWindow", "柱"),
         .textColour = Rgb(0, 0, 255),
         .hAlign = HAlign::Centre,
         .vAlign = VAlign::Top,
         .borderStyle = PegLook.BorderStyle,
         .gradientMode = PegLook.GradientMode,
         .gradient = {PegLook.Colour1, PegLook.Colour2, PegLook.Colour3}},
        {.name = "标签基",
         .kind = UnitKind::Label,
         .id = 标签基.unit,
         .rect = {0, 264, 504, 24},
         .accessibleName = Translate("MainWindow", "地基"),
         .textColour = Rgb(0, 0, 0),
         .hAlign = HAlign::Left,
         .vAlign = VAlign::Centre,
         .borderStyle = BaseLook.BorderStyle,
         .gradientMode = BaseLook.GradientMode,
         .gradient = {BaseLook.Colour1, BaseLook.Colour2, BaseLook.Colour3}},
        {.name = "状态条",
         .kind = UnitKind::StatusBar,
         .id = 状态条.unit,
         .rect = {0, 0, 0, 20},
         .accessibleName = Translate("MainWindow", "状态栏"),
         .items = {Translate("MainWindow", "时间"), Translate("MainWindow", "步数"), Translate("MainWindow", "提示")},
         .partWidths = {100, 50, 0}},
    };

    UnitTemplate file = MenuEntry(菜单文件, Translate("MainWindow", "文件"), nullptr, menu_state::Hidden);
    file.menuLevel = 0;
    for (UnitTemplate& entry : std::vector<UnitTemplate>{
             file,
             MenuEntry(菜单新游戏, Translate("MainWindow", "新游戏     (回车)"), [] { NewGame(new_game::Redraw); }),
             MenuEntry(菜单逆向模式, Translate("MainWindow", "逆向模式"), SwitchReverseMode),
             MenuEntry(菜单暂停, Translate("MainWindow", "暂停       (空格)"), TogglePause),
             MenuEntry(菜单查看走法, Translate("MainWindow", "查看走法..."), OpenMoveRecordWindow),
             MenuEntry(菜单分隔1, "-"),
             MenuEntry(菜单静音, Translate("MainWindow", "静音       (J)"),
                       [] { ToggleOption(Course.MuteSounds, 菜单静音); }),
             MenuEntry(
                 菜单正确放下方计一步, Translate("MainWindow", "正确放下方计一步"),
                 [] { ToggleOption(Course.CountOnlyCorrect, 菜单正确放下方计一步); }, menu_state::Checked),
             MenuEntry(菜单参数设定, Translate("MainWindow", "参数设定...(Ctrl + 回车)"), OpenSettingsDialog),
             MenuEntry(菜单恢复初始参数, Translate("MainWindow", "恢复初始参数.."), RestoreDefaults),
             MenuEntry(菜单分隔2, "-"),
             MenuEntry(菜单关于, Translate("MainWindow", "关于       (F1)"), OpenAboutWindow),
             MenuEntry(菜单退出, Translate("MainWindow", "退出"), ExitProgram),
             MenuEntry(菜单分隔3, "-"),
             MenuEntry(菜单提示, Translate("MainWindow", "提示 (Ctrl+H)"), ShowHint),
             MenuEntry(菜单演示, Translate("MainWindow", "演示 (Ctrl+D)"), StartDemonstration),
             MenuEntry(菜单成绩, Translate("MainWindow", "成绩... (Ctrl+R)"), OpenRecordsWindow),
         }) {
        window.units.push_back(std::move(entry));
    }
    return window;
}
}  // namespace

std::string MainWindowTitle()
{
    return FillIn(Translate("MainWindow", "Korvel·汉诺塔(Torvane) v%1 - 开发：%2  QQ：%3  邮件：%4"),
                  {ProgramVersion(), contact::Developer, contact::MessengerNumber, contact::Mail});
}

const WindowTemplate& MainWindowTemplate()
{
    static const WindowTemplate window = Build();
    return window;
}
