#include "settings/saved_settings.h"

#include <cmath>

#include "core/board.h"
#include "platform/conversions.h"
#include "platform/files.h"
#include "platform/player_folders.h"
#include "platform/units.h"
#include "render/background.h"
#include "render/style.h"
#include "settings/settings_file.h"
#include "core/main_window_units.h"

namespace {
std::int32_t ReadInt(const std::string& key, std::int32_t defaultValue)
{
    return ToInt32Clamped(SettingsStore.ReadNumber(key, defaultValue));
}

void ReadColour(const std::string& key, Colour& colour)
{
    // 0 (black) stands for "not set" here, so a stored 0 keeps the default.
    if (const std::int32_t stored = ReadInt(key, colour); stored != 0)
        colour = stored;
}

void ReadBoardCounts()
{
    GameSettings.PegCount = BoundedPegCount(ReadInt("柱数", 3));
    GameSettings.MainPeg = ReadInt("主柱", 2);
    if (GameSettings.MainPeg < 1 || GameSettings.MainPeg > GameSettings.PegCount)
        GameSettings.MainPeg = std::int32_t(std::round(GameSettings.PegCount / 2.0));
    GameSettings.DiskCount = BoundedDiskCount(ReadInt("横数", 5));
}

// Every "*.jpg" of the background folder, in the order the search gives them.
void BuildBackgroundList()
{
    BackgroundList.clear();
    const std::string folder = PlayerFolder(PlayerFiles::Pictures) + "/背景图库/";
    FileSearch search;
    for (std::string name = FindFileName(folder + "*.jpg", search); !name.empty(); name = FindFileName({}, search))
        BackgroundList.push_back(folder + name);
}
// The per-user folders of an installed game appear with its first save, the
// background folder among them, so the player finds where pictures go.
void PreparePlayerFolders()
{
    if (PlayerFolder(PlayerFiles::Settings) == RunDirectory())
        return;
    CreateFolderPath(PlayerFolder(PlayerFiles::Settings));
    CreateFolderPath(PlayerFolder(PlayerFiles::Pictures) + "/背景图库");
}
}  // namespace

std::string SettingsFilePath()
{
    return PlayerFolder(PlayerFiles::Settings) + "/Korvel·汉诺塔.ini";
}

void OpenSettingsStore()
{
    SettingsStore.Open(SettingsFilePath());
}

void ReadStyle(const std::string& prefix, ElementStyle& style, std::optional<UnitRef> label)
{
    if (label && UnitExists(*label))
        style = StyleFromLabel(*label);
    ReadColour(prefix + "颜色1", style.Colour1);
    ReadColour(prefix + "颜色2", style.Colour2);
    ReadColour(prefix + "颜色3", style.Colour3);
    // Taken as stored: a label paints a mode beyond the last as the last and a
    // border beyond the list as its own grey frame, and the value is saved back
    // unchanged.
    style.GradientMode = ReadInt(prefix + "渐变", style.GradientMode);
    style.BorderStyle = ReadInt(prefix + "边框", style.BorderStyle);
}

void WriteStyle(const std::string& prefix, const ElementStyle& style)
{
    SettingsStore.WriteNumber(prefix + "颜色1", style.Colour1);
    SettingsStore.WriteNumber(prefix + "颜色2", style.Colour2);
    SettingsStore.WriteNumber(prefix + "颜色3", style.Colour3);
    SettingsStore.WriteNumber(prefix + "渐变", style.GradientMode);
    SettingsStore.WriteNumber(prefix + "边框", style.BorderStyle);
}

void LoadSettings()
{
    SettingsStore.SetSection("渐变颜色");
    ReadStyle("柱.", GameSettings.PegStyle, 标签柱);
    GameSettings.MainPegStyle = StyleFromLabel(标签柱);
    GameSettings.MainPegStyle.Colour1 = GameSettings.MainPegStyle.Colour3 = Rgb(255, 0, 0);
    ReadStyle("主柱.", GameSettings.MainPegStyle, std::nullopt);
    ReadStyle("横.", GameSettings.DiskStyle, 标签横);
    ReadStyle("基.", GameSettings.BaseStyle, 标签基);

    SettingsStore.SetSection("综合");
    ReadBoardCounts();
    SettingsStore.ReadUnitCheck(菜单静音);
    SettingsStore.ReadUnitCheck(菜单正确放下方计一步);
    GameSettings.BackgroundIndex = ReadInt("底图次序", 0);
    BuildBackgroundList();
    ReverseMode = SettingsStore.ReadUnitCheck(菜单逆向模式);

    SettingsStore.ReadWindowPlacement(主窗口, "主窗口");
}

void SaveSettings()
{
    PreparePlayerFolders();
    SettingsStore.SetSection("渐变颜色");
    WriteStyle("柱.", GameSettings.PegStyle);
    WriteStyle("主柱.", GameSettings.MainPegStyle);
    WriteStyle("横.", GameSettings.DiskStyle);
    WriteStyle("基.", GameSettings.BaseStyle);

    SettingsStore.SetSection("综合");
    SettingsStore.WriteNumber("柱数", GameSettings.PegCount);
    SettingsStore.WriteNumber("主柱", GameSettings.MainPeg);
    SettingsStore.WriteNumber("横数", GameSettings.DiskCount);
    SettingsStore.WriteUnitCheck(菜单静音);
    SettingsStore.WriteUnitCheck(菜单正确放下方计一步);
    SettingsStore.WriteNumber("底图次序", GameSettings.BackgroundIndex);
    SettingsStore.WriteUnitCheck(菜单逆向模式);

    SettingsStore.WriteWindowPlacement(主窗口, "主窗口");
}
