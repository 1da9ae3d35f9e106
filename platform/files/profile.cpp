// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/profile.h"

#include "platform/files/profile_text.h"
#include "platform/files/regular_file.h"
#include "platform/texts/gbk.h"

#include <unistd.h>
#include <string_view>

namespace {

// Cuts GBK bytes to the value limit without splitting a character.
std::string_view CapValue(std::string_view bytes)
{
    if (bytes.size() <= ProfileValueLimit)
        return bytes;
    std::size_t cut = 0;
    while (cut + GbkCharLength(bytes, cut) <= ProfileValueLimit)
        cut += GbkCharLength(bytes, cut);
    return bytes.substr(0, cut);
}

// The default as a read returns it: without trailing blanks, within the limit.
std::string DefaultResult(const std::string& defaultText)
{
    std::string_view text = defaultText;
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    // GB18030 needs at most twice the bytes of UTF-8, so only a long default
    // can exceed the limit.
    if (text.size() <= ProfileValueLimit / 2)
        return std::string(text);
    return GbkToUtf8(CapValue(Utf8ToGbk(text)));
}

std::string_view SkipLeadingControls(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ')
        ++i;
    return std::string_view(text).substr(i);
}

// The new text of the file, or nothing when the call changes nothing.
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

std::string ReadProfileText(const std::string& file, const std::string& section, const std::string& key,
                            const std::string& defaultText)
{
    const std::string_view fileName = SkipLeadingControls(file);
    if (fileName.empty() || TrimProfileName(section).empty() || TrimProfileName(key).empty())
        return {};

    const FileContent content = ReadRegularFile(std::string(fileName), ProfileSizeLimit);
    const std::optional<std::string> sectionName = TryUtf8ToGbk(section);
    const std::optional<std::string> keyName = TryUtf8ToGbk(key);
    if (content.state != FileState::Read || !sectionName || !keyName)
        return DefaultResult(defaultText);
    const std::optional<std::string_view> value = FindProfileValue(content.bytes, *sectionName, *keyName);
    if (!value)
        return DefaultResult(defaultText);
    return TryGbkToUtf8(CapValue(*value)).value_or(DefaultResult(defaultText));
}

bool WriteProfileText(const std::string& file, const std::string& section, std::optional<std::string> key,
                      std::optional<std::string> value)
{
    if (file.empty() || TrimProfileName(section).empty() || (key && TrimProfileName(*key).empty()))
        return false;
    const FileContent content = ReadRegularFile(file, ProfileSizeLimit);
    if (content.state != FileState::Read && content.state != FileState::Missing)
        return false;
    // A read-only file stays as it is, although its folder may allow replacing it.
    if (content.state == FileState::Read && ::access(file.c_str(), W_OK) != 0)
        return false;

    // Nothing is written unless every name and the value convert.
    const std::optional<std::string> sectionName = TryUtf8ToGbk(section);
    const std::optional<std::string> keyName = key ? TryUtf8ToGbk(*key) : std::nullopt;
    const std::optional<std::string> valueText = value ? TryUtf8ToGbk(*value) : std::nullopt;
    if (!sectionName || (key && !keyName) || (value && !valueText))
        return false;

    const std::optional<std::string> updated = Updated(content.bytes, *sectionName, keyName, valueText);
    if (content.state == FileState::Missing) {
        // Windows leaves an empty file behind even when there was nothing to remove.
        return ReplaceFileContent(file, updated ? std::string_view(*updated) : std::string_view());
    }
    // A file that already holds the result is not rewritten.
    if (!updated || *updated == content.bytes)
        return true;
    return ReplaceFileContent(file, *updated);
}

bool CopyProfile(const std::string& original, const std::string& copy)
{
    const FileContent content = ReadRegularFile(original, ProfileSizeLimit);
    return content.state == FileState::Read && ReplaceFileContent(copy, content.bytes);
}
