// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <string>

// Text operations. Positions are 1-based byte positions; a scan steps over a
// multi-byte character whole, so no match starts inside one.

// The first min(n, length) bytes of text; n <= 0 gives an empty text.
std::string LeftText(const std::string& text, std::int32_t n);

// The position of the last occurrence of `sought` in a GBK byte text, or -1.
// The scan steps over a double-byte character whole, so no match starts at
// its trail byte. With `start`, only the bytes before position `start` are
// searched. An empty `sought` gives 1 when there are bytes to search,
// otherwise -1. `ignoreCase` ignores ASCII letter case.
std::int32_t FindLastText(const std::string& text, const std::string& sought,
                          std::optional<std::int32_t> start = std::nullopt, bool ignoreCase = false);

// Replaces occurrences of `sought` in a UTF-8 text from position `start` on,
// at most `count` of them (all without a count or with a negative one), each
// followed by a scan after the replacement. An empty text or `sought`, a start
// beyond the text or a count of 0 give the text unchanged. The comparison
// ignores ASCII letter case when `caseSensitive` is false.
std::string ReplaceText(const std::string& text, const std::string& sought, const std::string& replacement = {},
                        std::int32_t start = 1, std::optional<std::int32_t> count = std::nullopt,
                        bool caseSensitive = true);
