// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/saved_settings.h"

#include "core/settings_table.h"
#include "platform/files/files.h"
#include "platform/files/player_folders.h"
#include "platform/texts/conversions.h"
#include "platform/units/units.h"
#include "render/background.h"
#include "render/style.h"
#include "settings/settings_file.h"

namespace {
constexpr const char* SettingsFileName = "Korvel·汉诺塔.ini";
constexpr const char* BackgroundFolderName = "背景图库";

// Beside a game that cannot write its folder when it has one there, else
// where the game keeps its pictures.
std::string BackgroundFolder()
{
    const std::string beside = ReadOnlyFolderBeside();
    if (!beside.empty() && FolderExists(beside + "/" + BackgroundFolderName))
        return beside + "/" + BackgroundFolderName;
    return PlayerFolder(PlayerFiles::Pictures) + "/" + BackgroundFolderName;
}

std::int32_t ReadInt(const std::string& key, std::int32_t defaultValue)
{
    return ToInt32Clamped(SettingsStore.ReadNumber(key, defaultValue));
}

// Every "*.jpg" of the background folder, in the order the search gives them.
void BuildBackgroundList()
{
    BackgroundList.clear();
    const std::string folder = BackgroundFolder() + "/";
    FileSearch search;
    for (std::string name = FindFileName(folder + "*.jpg", search); !name.empty(); name = FindFileName({}, search))
        BackgroundList.push_back(folder + name);
}
// The per-user folders of a game that keeps its files there appear with its
// first save, the background folder in use among them, so the player finds
// where pictures go.
void PreparePlayerFolders()
{
    if (PlayerFolder(PlayerFiles::Settings) == RunDirectory())
        return;
    CreateFolderPath(PlayerFolder(PlayerFiles::Settings));
    CreateFolderPath(BackgroundFolder());
}

// A style with a template label takes the label's look as its default, the
// others the table's.
void LoadStyle(const Setting& setting)
{
    ElementStyle& style = GameSettings.*setting.style;
    if (setting.unit == EmptyUnitRef) {
        style = setting.defaultStyle;
        ReadStyle(std::string(setting.key), style, std::nullopt);
    } else {
        ReadStyle(std::string(setting.key), style, AsUnit<UnitKind::Label>(setting.unit));
    }
}

void Load(const Setting& setting)
{
    SettingsStore.SetSection(std::string(setting.section));
    const std::string key(setting.key);
    switch (setting.kind) {
    case SettingKind::Style: LoadStyle(setting); break;
    case SettingKind::Count:
    case SettingKind::MainPeg:
        GameSettings.*setting.number = BoundedSetting(setting, ReadInt(key, setting.defaultNumber), GameSettings);
        break;
    case SettingKind::BackgroundOrder:
        GameSettings.*setting.number = ReadInt(key, setting.defaultNumber);
        BuildBackgroundList();
        break;
    case SettingKind::MenuCheck:
        if (const bool checked = SettingsStore.ReadUnitCheck(key, AsUnit<UnitKind::menu>(setting.unit)); setting.flag)
            *setting.flag = checked;
        break;
    case SettingKind::WindowPlacement:
        SettingsStore.ReadWindowPlacement(AsUnit<UnitKind::window>(setting.unit), std::string(setting.section));
        break;
    }
}

void Save(const Setting& setting)
{
    SettingsStore.SetSection(std::string(setting.section));
    const std::string key(setting.key);
    switch (setting.kind) {
    case SettingKind::Style: WriteStyle(key, GameSettings.*setting.style); break;
    case SettingKind::Count:
    case SettingKind::MainPeg:
    case SettingKind::BackgroundOrder: SettingsStore.WriteNumber(key, GameSettings.*setting.number); break;
    case SettingKind::MenuCheck: SettingsStore.WriteUnitCheck(key, AsUnit<UnitKind::menu>(setting.unit)); break;
    case SettingKind::WindowPlacement:
        SettingsStore.WriteWindowPlacement(AsUnit<UnitKind::window>(setting.unit), std::string(setting.section));
        break;
    }
}
}  // namespace

void OpenSettingsStore()
{
    SettingsStore.Open(PlayerFolder(PlayerFiles::Settings) + "/" + SettingsFileName);
    if (const std::string beside = ReadOnlyFolderBeside(); !beside.empty())
        SettingsStore.SetOrigin(beside + "/" + SettingsFileName);
}

void ReadStyle(const std::string& prefix, ElementStyle& style, std::optional<LabelUnit> label)
{
    if (label && UnitExists(*label))
        style = StyleFromLabel(*label);
    for (const StylePart& part : StyleParts) {
        std::int32_t& field = style.*part.field;
        const std::int32_t stored = ReadInt(prefix + std::string(part.suffix), field);
        // Gradient and border are taken as stored: a label paints a value
        // beyond its last as the last, and the value is saved back unchanged.
        if (stored != 0 || !part.zeroKeepsDefault)
            field = stored;
    }
}

void WriteStyle(const std::string& prefix, const ElementStyle& style)
{
    for (const StylePart& part : StyleParts)
        SettingsStore.WriteNumber(prefix + std::string(part.suffix), style.*part.field);
}

void LoadSettings()
{
    for (const Setting& setting : SettingsTable)
        Load(setting);
}

void WriteEverySetting()
{
    for (const Setting& setting : SettingsTable)
        Save(setting);
}

void SaveSettings()
{
    PreparePlayerFolders();
    SettingsStore.BeginBatch();
    WriteEverySetting();
    SettingsStore.CommitBatch();
}
