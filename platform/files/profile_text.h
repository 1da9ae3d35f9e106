// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <string_view>

// The text of a profile (INI) file as bytes in the file's code page, read and
// edited the way Windows reads and edits it. Lines end at CR LF, LF or a lone
// CR; lines written here end with CR LF; every other byte of the file is kept.
//
// A section header is a line whose first non-blank character is "[": the
// section's name runs to the last "]" of the line, and text after it is
// ignored. A line with "=" that is no header and no comment (";") is a key.
// Names match without regard to ASCII letter case, blanks around names and
// values do not count, and the first of duplicate sections or keys wins.

// Blanks (bytes up to 32) removed from both ends.
std::string_view TrimProfileName(std::string_view name);

// The value of `key` in `section`, trimmed, with one pair of enclosing quotes
// removed; nothing when the section or the key is missing.
std::optional<std::string_view> FindProfileValue(std::string_view text, std::string_view section, std::string_view key);

// The text with `key` of `section` set to `value`: an existing key keeps its
// spelling and its place, a new key follows the last line of its section that
// is not blank, and a new section goes to the end of the file.
std::string ProfileWithValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value);

// The text without the first line of `key` in `section`; nothing when there
// is no such key.
std::optional<std::string> ProfileWithoutKey(std::string_view text, std::string_view section, std::string_view key);

// The text without `section`, from its header up to the next section; nothing
// when there is no such section.
std::optional<std::string> ProfileWithoutSection(std::string_view text, std::string_view section);
