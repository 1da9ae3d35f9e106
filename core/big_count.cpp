// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/big_count.h"

#include <algorithm>

namespace {
constexpr std::uint64_t WordBase = std::uint64_t(1) << 32;
// The decimal text is built in chunks of nine digits.
constexpr std::uint32_t ChunkBase = 1000000000;
constexpr int ChunkDigits = 9;
constexpr int ShownDigits = 3;

// Divides `words` by ChunkBase in place and gives the remainder.
std::uint32_t DivideByChunk(std::vector<std::uint32_t>& words)
{
    std::uint64_t remainder = 0;
    for (std::size_t i = words.size(); i-- > 0;) {
        const std::uint64_t current = remainder * WordBase + words[i];
        words[i] = std::uint32_t(current / ChunkBase);
        remainder = current % ChunkBase;
    }
    while (!words.empty() && words.back() == 0)
        words.pop_back();
    return std::uint32_t(remainder);
}

// Adds one to the last digit of a decimal text, carrying as far as needed; a
// text of nines becomes "1" followed by zeros, one digit longer.
std::string RoundedUp(std::string digits)
{
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return digits;
        }
        digits[i] = '0';
    }
    return "1" + digits;
}
}  // namespace

BigCount::BigCount(std::uint64_t value)
{
    AddShifted(value, 0);
}

void BigCount::AddWordAt(std::uint64_t value, std::size_t index)
{
    for (; value != 0; ++index) {
        if (index >= words_.size())
            words_.resize(index + 1, 0);
        const std::uint64_t sum = words_[index] + (value % WordBase);
        words_[index] = std::uint32_t(sum % WordBase);
        value = value / WordBase + sum / WordBase;
    }
}

void BigCount::AddShifted(std::uint64_t value, std::int32_t shift)
{
    const std::size_t index = std::size_t(shift / 32);
    const int bits = shift % 32;
    // The value spread over up to three words from `index` upwards.
    AddWordAt((value << bits) % WordBase, index);
    AddWordAt(bits == 0 ? value >> 32 : value >> (32 - bits), index + 1);
}

BigCount& BigCount::operator+=(const BigCount& other)
{
    for (std::size_t i = 0; i < other.words_.size(); ++i)
        AddWordAt(other.words_[i], i);
    return *this;
}

std::strong_ordering BigCount::operator<=>(const BigCount& other) const
{
    if (words_.size() != other.words_.size())
        return words_.size() <=> other.words_.size();
    return std::lexicographical_compare_three_way(words_.rbegin(), words_.rend(), other.words_.rbegin(),
                                                  other.words_.rend());
}

std::string BigCount::DecimalText() const
{
    std::vector<std::uint32_t> rest = words_;
    std::string text;
    do {
        std::string chunk = std::to_string(DivideByChunk(rest));
        if (!rest.empty())
            chunk.insert(0, std::size_t(ChunkDigits) - chunk.size(), '0');
        text.insert(0, chunk);
    } while (!rest.empty());
    return text;
}

std::string BigCount::PowerOfTenText() const
{
    std::string digits = DecimalText();
    std::size_t exponent = digits.size() - 1;
    digits.resize(std::max(digits.size(), std::size_t(ShownDigits) + 1), '0');
    std::string shown = digits.substr(0, ShownDigits);
    if (digits[ShownDigits] >= '5')
        shown = RoundedUp(shown);
    if (shown.size() > std::size_t(ShownDigits)) {
        shown.pop_back();
        ++exponent;
    }
    return shown.substr(0, 1) + "." + shown.substr(1) + "×10^" + std::to_string(exponent);
}
