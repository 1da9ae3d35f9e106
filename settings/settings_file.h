// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "platform/files/profile_edit.h"
#include "platform/templates/unit_ref.h"

// A small store of typed values in one section of an INI file at a time.
// Truth values are stored as "真" and "假", numbers as "%.13g" prints them,
// and line breaks inside texts as "┊*┊".
class SettingsFile {
public:
    void Open(const std::string& path, const std::string& section = {}, bool setSection = false);
    // A file to read while the store's own is missing, which the first write
    // then starts from, so the new file keeps all it holds: the settings beside
    // a game that cannot write its folder. Open drops it.
    void SetOrigin(const std::string& origin);
    void SetSection(const std::string& section);
    const std::string& Path() const { return path_; }
    const std::string& Section() const { return section_; }
    // Clears the store for a start from the defaults: deletes its file, or
    // where an origin would then be read, leaves an empty file in its place.
    void Forget();
    // The writes from BeginBatch to CommitBatch reach the file together, as
    // one replace of it that leaves what they would leave one by one. A read,
    // or a change of file, commits the writes before it first.
    void BeginBatch();
    void CommitBatch();

    void WriteNumber(const std::string& key, double value);
    double ReadNumber(const std::string& key, double defaultValue);
    // A menu entry's check mark, stored under `key`, which does not follow the
    // language the menu is shown in.
    void WriteUnitCheck(const std::string& key, const MenuUnit& entry);
    bool ReadUnitCheck(const std::string& key, const MenuUnit& entry);
    // A window's position state and, when it is shown normally, its rectangle;
    // an empty section keeps the current one.
    void WriteWindowPlacement(const WindowUnit& window, const std::string& section);
    void ReadWindowPlacement(const WindowUnit& window, const std::string& section);

private:
    void WriteText(const std::string& key, const std::string& value);
    void CommitWrites();
    std::string ReadText(const std::string& key, const std::string& defaultText);
    bool ReadsOrigin() const;
    void WriteTruth(const std::string& key, bool value);
    bool ReadTruth(const std::string& key, bool defaultValue);

    std::string path_;
    std::string origin_;
    std::string section_;
    // The writes not yet in the file, and whether more are to join them.
    std::optional<ProfileEdit> edit_;
    bool batching_ = false;
};

// The program's one store, opened on the settings file at start-up.
extern SettingsFile SettingsStore;

// Line breaks inside stored texts, and the reverse.
std::string EscapeNewlines(const std::string& text);
std::string UnescapeNewlines(const std::string& text);
