// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every setting the game keeps between runs, declared once: its section and
// key in the settings file, the field that holds it, its default and its
// bounds, in the order the file holds them. Loading, saving, the bounds of
// the board's numbers, the settings dialog's spinners and the looks of the
// window template's labels all follow this table.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/board.h"
#include "core/game_flow.h"
#include "core/game_settings.h"
#include "core/main_window_units.h"
#include "platform/templates/label_styles.h"
#include "platform/templates/unit_ref.h"

namespace settings_section {
inline constexpr std::string_view Looks = "渐变颜色";
inline constexpr std::string_view General = "综合";
inline constexpr std::string_view MainWindow = "主窗口";
}  // namespace settings_section

enum class SettingKind {
    // An `ElementStyle`: five keys, `key` followed by each suffix of `StyleParts`.
    Style,
    // A count of the board, held to lowest..highest.
    Count,
    // The main peg: a number outside lowest..`PegCount` falls back to the middle peg.
    MainPeg,
    // The number of the background picture shown last, taken as stored;
    // loading it also gathers the pictures that it counts in.
    BackgroundOrder,
    // The check mark of the menu entry `unit`, stored under `key`, the entry's
    // caption as the game's Chinese writes it whatever language the menu
    // shows, with the current check mark as default.
    MenuCheck,
    // The position state and rectangle of the window `unit`, under keys of their own.
    WindowPlacement,
};

struct Setting {
    std::string_view section{};
    // For a style the prefix of its keys; empty for a window's placement, which has keys of its own.
    std::string_view key{};
    SettingKind kind = SettingKind::Count;
    std::int32_t GameSettingsRecord::*number = nullptr;
    ElementStyle GameSettingsRecord::*style = nullptr;
    std::int32_t defaultNumber = 0;
    ElementStyle defaultStyle{};
    std::int32_t lowest = 0;
    std::int32_t highest = 0;
    // The settings dialog's spinner runs from lowest to here; a typed number
    // may go on up to highest.
    std::int32_t spinnerTop = 0;
    // A style's template label, which shows the default; a menu check's
    // entry; the placed window.
    UnitRef unit = EmptyUnitRef;
    // The program's own copy of a menu check mark, kept with it.
    bool* flag = nullptr;
};

// The five values of a style, each under its prefix followed by `suffix`.
struct StylePart {
    std::string_view suffix{};
    std::int32_t ElementStyle::*field = nullptr;
    // Colours: 0 stands for "not set", so a stored 0 keeps the default.
    bool zeroKeepsDefault = false;
    // The values the settings dialog lists; a stored value outside them is
    // kept as it is and saved back unchanged.
    std::int32_t lowest = 0;
    std::int32_t highest = 0;
};

inline constexpr StylePart StyleParts[] = {
    {.suffix = "颜色1", .field = &ElementStyle::Colour1, .zeroKeepsDefault = true},
    {.suffix = "颜色2", .field = &ElementStyle::Colour2, .zeroKeepsDefault = true},
    {.suffix = "颜色3", .field = &ElementStyle::Colour3, .zeroKeepsDefault = true},
    {.suffix = "渐变", .field = &ElementStyle::GradientMode, .lowest = 0, .highest = LastGradientMode},
    // The label's own frame is painted but not offered.
    {.suffix = "边框", .field = &ElementStyle::BorderStyle, .lowest = 0, .highest = LastFrameBorderStyle},
};

namespace setting_defaults {
inline constexpr ElementStyle PegLook{Rgb(255, 0, 255), Rgb(255, 104, 180), Rgb(255, 0, 255), 2, 0};
// The main peg looks like the others with red ends.
inline constexpr ElementStyle MainPegLook{Rgb(255, 0, 0), PegLook.Colour2, Rgb(255, 0, 0), PegLook.GradientMode,
                                          PegLook.BorderStyle};
inline constexpr std::int32_t SpinnerTop = 64;
}  // namespace setting_defaults

inline constexpr Setting SettingsTable[] = {
    {.section = settings_section::Looks,
     .key = "柱.",
     .kind = SettingKind::Style,
     .style = &GameSettingsRecord::PegStyle,
     .defaultStyle = setting_defaults::PegLook,
     .unit = 标签柱},
    {.section = settings_section::Looks,
     .key = "主柱.",
     .kind = SettingKind::Style,
     .style = &GameSettingsRecord::MainPegStyle,
     .defaultStyle = setting_defaults::MainPegLook},
    {.section = settings_section::Looks,
     .key = "横.",
     .kind = SettingKind::Style,
     .style = &GameSettingsRecord::DiskStyle,
     .defaultStyle = {Rgb(0, 136, 255), Rgb(0, 0, 255), Rgb(0, 136, 255), 1, 0},
     .unit = 标签横},
    {.section = settings_section::Looks,
     .key = "基.",
     .kind = SettingKind::Style,
     .style = &GameSettingsRecord::BaseStyle,
     .defaultStyle = {Rgb(255, 90, 11), Rgb(255, 183, 111), Rgb(255, 90, 11), 3, 0},
     .unit = 标签基},

    // Every peg and disk is a label of its own, and peg tags 112..222 leave
    // room for 111 pegs.
    {.section = settings_section::General,
     .key = "柱数",
     .kind = SettingKind::Count,
     .number = &GameSettingsRecord::PegCount,
     .defaultNumber = 3,
     .lowest = 3,
     .highest = 111,
     .spinnerTop = setting_defaults::SpinnerTop},
    {.section = settings_section::General,
     .key = "主柱",
     .kind = SettingKind::MainPeg,
     .number = &GameSettingsRecord::MainPeg,
     .defaultNumber = 2,
     .lowest = 1,
     .spinnerTop = setting_defaults::SpinnerTop},
    {.section = settings_section::General,
     .key = "横数",
     .kind = SettingKind::Count,
     .number = &GameSettingsRecord::DiskCount,
     .defaultNumber = 5,
     .lowest = 3,
     .highest = 999,
     .spinnerTop = setting_defaults::SpinnerTop},
    {.section = settings_section::General,
     .key = "静音       (J)",
     .kind = SettingKind::MenuCheck,
     .unit = 菜单静音,
     .flag = &Course.MuteSounds},
    {.section = settings_section::General,
     .key = "正确放下方计一步",
     .kind = SettingKind::MenuCheck,
     .unit = 菜单正确放下方计一步,
     .flag = &Course.CountOnlyCorrect},
    {.section = settings_section::General,
     .key = "底图次序",
     .kind = SettingKind::BackgroundOrder,
     .number = &GameSettingsRecord::BackgroundIndex,
     .defaultNumber = 0},
    {.section = settings_section::General,
     .key = "逆向模式",
     .kind = SettingKind::MenuCheck,
     .unit = 菜单逆向模式,
     .flag = &ReverseMode},

    {.section = settings_section::MainWindow, .kind = SettingKind::WindowPlacement, .unit = 主窗口},
};

// The row of a field; a field the tables lack does not compile.
consteval const Setting& SettingOf(std::int32_t GameSettingsRecord::*field)
{
    std::size_t row = 0;
    while (SettingsTable[row].number != field)
        ++row;
    return SettingsTable[row];
}

consteval const Setting& SettingOf(ElementStyle GameSettingsRecord::*field)
{
    std::size_t row = 0;
    while (SettingsTable[row].style != field)
        ++row;
    return SettingsTable[row];
}

// The row of a unit: the template label of a style, a menu entry, a window.
consteval const Setting& SettingOf(const UnitRef& unit)
{
    std::size_t row = 0;
    while (SettingsTable[row].unit != unit)
        ++row;
    return SettingsTable[row];
}

consteval const StylePart& StylePartOf(std::int32_t ElementStyle::*field)
{
    std::size_t row = 0;
    while (StyleParts[row].field != field)
        ++row;
    return StyleParts[row];
}

inline constexpr std::int32_t MinPegCount = SettingOf(&GameSettingsRecord::PegCount).lowest;
inline constexpr std::int32_t MaxPegCount = SettingOf(&GameSettingsRecord::PegCount).highest;
inline constexpr std::int32_t MinDiskCount = SettingOf(&GameSettingsRecord::DiskCount).lowest;
inline constexpr std::int32_t MaxDiskCount = SettingOf(&GameSettingsRecord::DiskCount).highest;

// The value a number of the board may take in `record`: a count is held to its
// bounds and a main peg off the board falls back to the middle peg; any other
// setting is taken as it is.
std::int32_t BoundedSetting(const Setting& setting, std::int32_t value, const GameSettingsRecord& record);

// A main peg outside 1..pegCount becomes the middle peg, pegCount / 2 rounded
// half away from zero.
std::int32_t BoundedMainPeg(std::int32_t mainPeg, std::int32_t pegCount);

// Holds every number of the board to its bounds, in the order of the table,
// so that the main peg is checked against the peg count already held.
void HoldBoardToBounds(GameSettingsRecord& record);
