// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <optional>
#include <string>

// Profile (INI) files, read and written as Windows' GetPrivateProfileStringA
// and WritePrivateProfileStringA do on the same file content. The file holds
// GBK (GB18030) text with CRLF line ends; every text here is UTF-8.

// The longest value a read gives, in bytes of the file.
inline constexpr std::size_t ProfileValueLimit = 10239;

// A larger file is no settings file: reads give their defaults and writes
// fail, leaving it as it is. A settings file holds well under a kilobyte, and
// even one with dozens of values at the value limit stays far below this, while
// every read and write goes through the whole file.
inline constexpr std::size_t ProfileSizeLimit = 1024 * 1024;

// The value of `key` in `section` of `file`, or `defaultText` (without its
// trailing blanks) when the file, the section or the key is missing.
// Leading bytes up to 32 of the file name and blanks around the section and
// key are skipped; when one of them is then empty, the result is empty and the
// default is not used. Names match without regard to ASCII letter case and the
// first of duplicate sections or keys wins; blanks around names and values are
// trimmed, and a value enclosed in a pair of matching quotes comes back without
// them. The result is at most ProfileValueLimit bytes of the file. Only a
// regular file of at most ProfileSizeLimit bytes is read.
std::string ReadProfileText(const std::string& file, const std::string& section, const std::string& key,
                            const std::string& defaultText = {});

// Sets `key` in `section` to `value`; without a value the key is removed,
// without a key the whole section. Everything else in the file is kept.
// The file is replaced atomically where its folder allows, else written in
// place: a failed write returns false and leaves the old file as it was.
bool WriteProfileText(const std::string& file, const std::string& section, std::optional<std::string> key,
                      std::optional<std::string> value);
