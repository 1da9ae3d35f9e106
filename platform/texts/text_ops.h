// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <string>

// Text operations on UTF-8 texts. Positions are 1-based byte positions; a
// scan steps over a multi-byte character whole, so no match starts inside one.

// Replaces occurrences of `sought` from position `start` on, at most `count`
// of them (all without a count or with a negative one), each followed by a
// scan after the replacement. An empty text or `sought`, a start beyond the
// text or a count of 0 give the text unchanged. The comparison ignores ASCII
// letter case when `caseSensitive` is false.
std::string ReplaceText(const std::string& text, const std::string& sought, const std::string& replacement = {},
                        std::int32_t start = 1, std::optional<std::int32_t> count = std::nullopt,
                        bool caseSensitive = true);
