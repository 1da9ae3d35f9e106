// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/profile_edit.h"

#include "platform/files/profile.h"
#include "platform/files/profile_text.h"
#include "platform/texts/gbk.h"

#include <unistd.h>
#include <utility>

namespace {

// The new text of the file, or nothing when the write changes nothing.
std::optional<std::string> Updated(std::string_view text, const std::string& section,
                                   const std::optional<std::string>& key, const std::optional<std::string>& value)
{
    if (!key)
        return ProfileWithoutSection(text, section);
    if (!value)
        return ProfileWithoutKey(text, section, *key);
    return ProfileWithValue(text, section, *key, *value);
}

}  // namespace

ProfileEdit::ProfileEdit(std::string file)
    : file_(std::move(file)), content_(ReadRegularFile(file_, ProfileSizeLimit)), stored_(content_.bytes)
{
    // A read-only file stays as it is, although its folder may allow replacing it.
    readOnly_ = content_.state == FileState::Read && ::access(file_.c_str(), W_OK) != 0;
}

ProfileEdit ProfileEdit::CopyOf(const std::string& original, std::string file)
{
    ProfileEdit edit(std::move(file));
    FileContent copy = ReadRegularFile(original, ProfileSizeLimit);
    if (edit.content_.state == FileState::Missing && copy.state == FileState::Read) {
        edit.content_ = std::move(copy);
        edit.create_ = true;
    }
    return edit;
}

// As a write that reads the file anew finds it: a regular, writable file
// within the size limit, or none, which the write creates.
bool ProfileEdit::Editable() const
{
    if (content_.state == FileState::Missing)
        return true;
    return content_.state == FileState::Read && !readOnly_ && content_.bytes.size() <= ProfileSizeLimit;
}

bool ProfileEdit::Write(const std::string& section, std::optional<std::string> key, std::optional<std::string> value)
{
    if (file_.empty() || TrimProfileName(section).empty() || (key && TrimProfileName(*key).empty()) || !Editable())
        return false;
    // Nothing is written unless every name and the value convert.
    const std::optional<std::string> sectionName = TryUtf8ToGbk(section);
    const std::optional<std::string> keyName = key ? TryUtf8ToGbk(*key) : std::nullopt;
    const std::optional<std::string> valueText = value ? TryUtf8ToGbk(*value) : std::nullopt;
    if (!sectionName || (key && !keyName) || (value && !valueText))
        return false;

    // Windows leaves an empty file behind even when there was nothing to remove.
    if (content_.state == FileState::Missing) {
        content_.state = FileState::Read;
        create_ = true;
    }
    if (std::optional<std::string> updated = Updated(content_.bytes, *sectionName, keyName, valueText))
        content_.bytes = std::move(*updated);
    return true;
}

bool ProfileEdit::Commit()
{
    if (!create_ && content_.bytes == stored_)
        return true;
    return ReplaceFileContent(file_, content_.bytes);
}
