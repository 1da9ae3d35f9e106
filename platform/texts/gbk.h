// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The settings file holds GBK text, the Chinese ANSI code page of Windows.
// Texts are converted only where they cross the file boundary, through
// GB18030, which gives the same bytes as GBK for every text GBK can hold and
// loses nothing else.

// UTF-8 to GB18030 bytes. A byte that is no valid UTF-8 becomes "?".
// Nothing when the conversion cannot be opened.
std::optional<std::string> TryUtf8ToGbk(std::string_view text);

// GB18030 bytes to UTF-8. A byte that starts no valid character becomes
// U+FFFD, so any byte string converts. Nothing when the conversion cannot be
// opened.
std::optional<std::string> TryGbkToUtf8(std::string_view bytes);

// As above, with an empty text when the conversion cannot be opened.
std::string Utf8ToGbk(std::string_view text);
std::string GbkToUtf8(std::string_view bytes);

// The byte length of the GB18030 character that starts at bytes[at]: 2 or 4
// for a multi-byte character, 1 for anything else (also for a lead byte
// without a valid trail), so a scan never steps over a line break.
std::size_t GbkCharLength(std::string_view bytes, std::size_t at);
