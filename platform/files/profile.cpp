// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/profile.h"

#include "platform/files/profile_edit.h"
#include "platform/files/profile_text.h"
#include "platform/files/regular_file.h"
#include "platform/texts/gbk.h"

#include <string_view>
#include <utility>

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
    ProfileEdit edit(file);
    return edit.Write(section, std::move(key), std::move(value)) && edit.Commit();
}
