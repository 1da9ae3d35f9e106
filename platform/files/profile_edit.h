// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

#include "platform/files/regular_file.h"

// Several profile writes made as one: the file is read once, each write
// changes its text in memory by the rules of WriteProfileText, and Commit
// replaces the file once with what the same writes one by one leave in it.
// A file that already holds the result is not rewritten.
class ProfileEdit {
public:
    explicit ProfileEdit(std::string file);
    // An edit of `file` (missing) that starts from a copy of the profile
    // `original` and writes that copy even when no write changes it; an edit
    // of `file` as it is when the original is no regular file of at most
    // ProfileSizeLimit bytes.
    static ProfileEdit CopyOf(const std::string& original, std::string file);

    // WriteProfileText's change, made in memory: false, changing nothing,
    // where that call would fail before writing the file.
    bool Write(const std::string& section, std::optional<std::string> key, std::optional<std::string> value);
    // Writes the result back, unless the file already holds it; false when
    // that fails, leaving the file as it was.
    bool Commit();

private:
    bool Editable() const;

    std::string file_;
    FileContent content_;
    // What the file holds, for a commit that would change nothing.
    std::string stored_;
    bool readOnly_ = false;
    // The file does not exist yet but the writes made it.
    bool create_ = false;
};
