// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings_dialog_template.h"

#include <array>
#include <tuple>

#include "core/settings_table.h"
#include "platform/texts/translation.h"
#include "settings/saved_settings.h"
#include "settings/settings_dialog.h"
#include "ui/help_texts.h"

#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {
UnitTemplate Caption(const char* name, std::int32_t id, Rect rect, std::string text, Colour colour = Rgb(0, 0, 0))
{
    return {.name = name,
            .kind = UnitKind::Label,
            .id = id,
            .rect = rect,
            .text = std::move(text),
            .textColour = colour,
            .hAlign = HAlign::Left,
            .vAlign = VAlign::Centre};
}

UnitTemplate Separator(const char* name, std::int32_t id, Rect rect)
{
    return {.name = name, .kind = UnitKind::Label, .id = id, .rect = rect, .backColour = Rgb(128, 128, 128)};
}

// A box for a number of the board, its spinner running over the setting's range.
UnitTemplate NumberBox(const UnitRef& ref, const char* name, Rect rect, std::string accessibleName,
                       const Setting& setting, void (*edited)())
{
    return {.name = name,
            .kind = UnitKind::EditBox,
            .id = ref.unit,
            .rect = rect,
            .tabStop = true,
            .accessibleName = std::move(accessibleName),
            .textColour = Rgb(0, 0, 0),
            .hAlign = HAlign::Centre,
            .numberOnly = true,
            .spinner = true,
            .spinMin = setting.lowest,
            .spinMax = setting.spinnerTop,
            .events = {{Event::ContentChanged, Run(edited)}}};
}

UnitTemplate ListBox(const UnitRef& ref, const char* name, Rect rect, std::string accessibleName,
                     std::vector<std::string> items, void (*chosen)())
{
    return {.name = name,
            .kind = UnitKind::ComboBox,
            .id = ref.unit,
            .rect = rect,
            .tabStop = true,
            .accessibleName = std::move(accessibleName),
            .items = std::move(items),
            .selected = 0,
            .events = {{Event::SelectionChanged, Run(chosen)}}};
}

template <std::size_t Count>
std::vector<std::string> AsList(const std::array<std::string, Count>& items)
{
    return {items.begin(), items.end()};
}

// The style lists hold one entry for each value the settings offer, from 0
// up: an entry's index is its value.
template <std::size_t Count>
consteval bool ListsEveryValue(std::int32_t ElementStyle::*field)
{
    return StylePartOf(field).lowest == 0 && StylePartOf(field).highest + 1 == std::int32_t(Count);
}

std::array<std::string, 9> GradientItems()
{
    return {Translate("SettingsDialog", "0.无渐变背景"),   Translate("SettingsDialog", "1.从上到下"),
            Translate("SettingsDialog", "2.从左到右"),     Translate("SettingsDialog", "3.从左上到右下"),
            Translate("SettingsDialog", "4.从右上到左下"), Translate("SettingsDialog", "5.从下到上"),
            Translate("SettingsDialog", "6.从右到左"),     Translate("SettingsDialog", "7.从右下到左上"),
            Translate("SettingsDialog", "8.从左下到右上")};
}
static_assert(ListsEveryValue<std::tuple_size_v<decltype(GradientItems())>>(&ElementStyle::GradientMode));

std::array<std::string, 6> BorderItems()
{
    return {Translate("SettingsDialog", "0、无边框"), Translate("SettingsDialog", "1、凹入式"),
            Translate("SettingsDialog", "2、凸出式"), Translate("SettingsDialog", "3、浅凹入式"),
            Translate("SettingsDialog", "4、镜框式"), Translate("SettingsDialog", "5、单线边框式")};
}
static_assert(ListsEveryValue<std::tuple_size_v<decltype(BorderItems())>>(&ElementStyle::BorderStyle));

UnitTemplate ColourBox(const UnitRef& ref, const char* name, Rect rect, std::string accessibleName)
{
    return {.name = name,
            .kind = UnitKind::ColorPicker,
            .id = ref.unit,
            .rect = rect,
            .tabStop = true,
            .accessibleName = std::move(accessibleName),
            .events = {{Event::ColourChosen, Run(ApplyDialogStyle)}}};
}

WindowTemplate Build()
{
    WindowTemplate window;
    window.windowId = SettingsDialogId;
    window.self = {.name = "设置窗口",
                   .kind = UnitKind::window,
                   .id = 设置窗口.unit,
                   .rect = {0, 0, 372, 158},
                   .text = Translate("SettingsDialog", "设置游戏参数"),
                   .borderStyle = window_border::NarrowFixed,
                   .minBox = false,
                   .maxBox = false,
                   .controlBox = true,
                   .escCloses = true,
                   .startPosition = start_position::Centred,
                   .events = {{Event::Created, Run(FillSettingsDialog)}, {Event::CloseQuery, Run(SaveSettings)}}};
    // Where a language's texts need more room than the Chinese, ForLanguage
    // gives that language's rectangle beside the Chinese one.
    window.units = {
        {.name = "按钮1",
         .kind = UnitKind::Button,
         .id = 按钮1.unit,
         .rect = ForLanguage<Rect>({317, 35, 40, 24}, {{"en", {309, 35, 48, 24}}}),
         .tabStop = true,
         .text = Translate("SettingsDialog", "必看"),
         .events = {{Event::Clicked, Run(ShowShortcutHelp)}}},
        Separator("标签2", 0x16000202, {112, 20, 245, 1}),
        Caption("标签4", 0x16000203, {8, 13, 96, 16}, Translate("SettingsDialog", "柱子、盘片的数量"), Rgb(0, 0, 255)),
        NumberBox(编辑框盘数, "编辑框盘数", {48, 37, 32, 20}, Translate("SettingsDialog", "盘数"),
                  SettingOf(&GameSettingsRecord::DiskCount), OnDiskCountEdited),
        Caption("标签14", 0x16000205, {8, 37, 40, 20}, Translate("SettingsDialog", "盘数：")),
        ListBox(组合框修改对象, "组合框修改对象", ForLanguage<Rect>({301, 76, 56, 20}, {{"en", {285, 76, 72, 20}}}),
                Translate("SettingsDialog", "修改对象"),
                {Translate("SettingsDialog", "柱"), Translate("SettingsDialog", "主柱"),
                 Translate("SettingsDialog", "盘"), Translate("SettingsDialog", "地基")},
                ShowTargetStyle),
        Separator("标签8", 0x16000207, ForLanguage<Rect>({137, 84, 157, 1}, {{"en", {137, 84, 141, 1}}})),
        Caption("标签9", 0x16000208, {8, 77, 120, 16}, Translate("SettingsDialog", "渐变颜色、方式和边框"),
                Rgb(0, 0, 255)),
        ListBox(组合框渐变, "组合框渐变", {251, 103, 106, 20}, Translate("SettingsDialog", "渐变方式"),
                AsList(GradientItems()), ApplyDialogStyle),
        ColourBox(颜色选择器3, "颜色选择器3", {205, 101, 43, 24}, Translate("SettingsDialog", "颜色 3")),
        ColourBox(颜色选择器2, "颜色选择器2", {163, 101, 43, 24}, Translate("SettingsDialog", "颜色 2")),
        ColourBox(颜色选择器1, "颜色选择器1", {120, 101, 43, 24}, Translate("SettingsDialog", "颜色 1")),
        ListBox(组合框边框, "组合框边框", {8, 103, 104, 20}, Translate("SettingsDialog", "边框"), AsList(BorderItems()),
                ApplyDialogStyle),
        NumberBox(编辑框主柱, "编辑框主柱", {259, 37, 32, 20}, Translate("SettingsDialog", "主柱"),
                  SettingOf(&GameSettingsRecord::MainPeg), OnMainPegEdited),
        Caption("标签3", 0x1600020F, {219, 37, 40, 20}, Translate("SettingsDialog", "主柱：")),
        NumberBox(编辑框柱数, "编辑框柱数", {156, 37, 32, 20}, Translate("SettingsDialog", "柱数"),
                  SettingOf(&GameSettingsRecord::PegCount), OnPegCountEdited),
        Caption("标签1", 0x16000211, {116, 37, 40, 20}, Translate("SettingsDialog", "柱数：")),
    };
    return window;
}
}  // namespace

const WindowTemplate& SettingsDialogTemplate()
{
    static const WindowTemplate window = Build();
    return window;
}
