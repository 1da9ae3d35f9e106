// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/texts/text_ops.h"

#include <algorithm>
#include <limits>
#include <string_view>

#include "platform/texts/gbk.h"

namespace {

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool MatchesAt(std::string_view text, std::size_t at, std::string_view sought, bool ignoreCase)
{
    const std::string_view candidate = text.substr(at, sought.size());
    if (!ignoreCase)
        return candidate == sought;
    return std::equal(candidate.begin(), candidate.end(), sought.begin(), sought.end(),
                      [](char a, char b) { return AsciiLower(a) == AsciiLower(b); });
}

// How far a scan moves from text[at]: past the whole character when a UTF-8
// lead byte starts one, one byte otherwise.
std::size_t ScanStep(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 1;
    if (lead >= 0xF0)
        length = 4;
    else if (lead >= 0xE0)
        length = 3;
    else if (lead >= 0xC0)
        length = 2;
    return std::min(length, text.size() - at);
}

}  // namespace

std::string LeftText(const std::string& text, std::int32_t n)
{
    if (n <= 0)
        return {};
    return text.substr(0, std::min(text.size(), static_cast<std::size_t>(n)));
}

std::int32_t FindLastText(const std::string& text, const std::string& sought, std::optional<std::int32_t> start,
                          bool ignoreCase)
{
    std::string_view searched = text;
    if (start && static_cast<std::int64_t>(*start) - 1 < static_cast<std::int64_t>(searched.size()))
        searched = searched.substr(0, static_cast<std::size_t>(std::max<std::int64_t>(0, *start - 1LL)));
    if (sought.empty())
        return searched.empty() ? -1 : 1;

    std::int32_t last = -1;
    for (std::size_t at = 0; at + sought.size() <= searched.size(); at += GbkCharLength(searched, at)) {
        if (MatchesAt(searched, at, sought, ignoreCase))
            last = static_cast<std::int32_t>(at + 1);
    }
    return last;
}

std::string ReplaceText(const std::string& text, const std::string& sought, const std::string& replacement,
                        std::int32_t start, std::optional<std::int32_t> count, bool caseSensitive)
{
    const std::size_t from = static_cast<std::size_t>(std::max(start, 1) - 1);
    if (text.empty() || sought.empty() || from >= text.size() || count == 0)
        return text;

    const std::string_view all = text;
    std::string result(all.substr(0, from));
    // No limit without a count or with a negative one.
    std::int64_t left = count && *count > 0 ? *count : std::numeric_limits<std::int64_t>::max();
    std::size_t at = from;
    while (at < all.size() && left != 0) {
        if (at + sought.size() <= all.size() && MatchesAt(all, at, sought, !caseSensitive)) {
            result += replacement;
            at += sought.size();
            --left;
        } else {
            const std::size_t step = ScanStep(all, at);
            result.append(all.substr(at, step));
            at += step;
        }
    }
    result.append(all.substr(at));
    return result;
}
