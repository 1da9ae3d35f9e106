// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_file.h"

#include "platform/files/files.h"
#include "platform/files/player_folders.h"
#include "platform/files/profile.h"
#include "platform/files/regular_file.h"
#include "platform/texts/conversions.h"
#include "platform/texts/text_ops.h"
#include "platform/units/units.h"

SettingsFile SettingsStore;

namespace {
constexpr const char* NewlineEscape = "┊*┊";
constexpr const char* True = "真";
constexpr const char* False = "假";
}  // namespace

std::string EscapeNewlines(const std::string& text)
{
    return ReplaceText(text, "\r\n", NewlineEscape);
}

std::string UnescapeNewlines(const std::string& text)
{
    return ReplaceText(text, NewlineEscape, "\r\n");
}

void SettingsFile::Open(const std::string& path, const std::string& section, bool setSection)
{
    CommitWrites();
    path_ = path;
    origin_.clear();
    if (setSection)
        SetSection(section);
}

void SettingsFile::SetOrigin(const std::string& origin)
{
    CommitWrites();
    origin_ = origin;
}

bool SettingsFile::ReadsOrigin() const
{
    return !origin_.empty() && !PathExists(path_);
}

void SettingsFile::Forget()
{
    CommitWrites();
    DeleteFileByName(path_);
    if (!ReadsOrigin() || !PathExists(origin_))
        return;
    CreateFolderPath(path_.substr(0, path_.rfind('/')));
    ReplaceFileContent(path_, {});
}

void SettingsFile::SetSection(const std::string& section)
{
    section_ = section;
}

void SettingsFile::BeginBatch()
{
    batching_ = true;
}

void SettingsFile::CommitBatch()
{
    batching_ = false;
    CommitWrites();
}

// A failed write (a read-only folder, a full disk) leaves the file as it was;
// the program goes on with the settings it holds.
void SettingsFile::CommitWrites()
{
    if (edit_)
        edit_->Commit();
    edit_.reset();
}

void SettingsFile::WriteText(const std::string& key, const std::string& value)
{
    if (!edit_)
        edit_ = ReadsOrigin() ? ProfileEdit::CopyOf(origin_, path_) : ProfileEdit(path_);
    edit_->Write(section_, key, EscapeNewlines(value));
    if (!batching_)
        CommitWrites();
}

std::string SettingsFile::ReadText(const std::string& key, const std::string& defaultText)
{
    CommitWrites();
    const std::string& file = ReadsOrigin() ? origin_ : path_;
    return UnescapeNewlines(ReadProfileText(file, section_, key, EscapeNewlines(defaultText)));
}

void SettingsFile::WriteNumber(const std::string& key, double value)
{
    WriteText(key, ToText(value));
}

double SettingsFile::ReadNumber(const std::string& key, double defaultValue)
{
    return ToNumber(ReadText(key, ToText(defaultValue)));
}

void SettingsFile::WriteTruth(const std::string& key, bool value)
{
    WriteText(key, value ? True : False);
}

// Only the exact text "真" counts as true.
bool SettingsFile::ReadTruth(const std::string& key, bool defaultValue)
{
    return ReadText(key, defaultValue ? True : False) == True;
}

void SettingsFile::WriteUnitCheck(const std::string& key, const MenuUnit& entry)
{
    WriteTruth(key, Get(entry, prop::MenuChecked));
}

bool SettingsFile::ReadUnitCheck(const std::string& key, const MenuUnit& entry)
{
    const bool checked = ReadTruth(key, Get(entry, prop::MenuChecked));
    Set(entry, prop::MenuChecked, checked);
    return checked;
}
