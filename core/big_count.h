// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <compare>
#include <cstdint>
#include <string>
#include <vector>

// An unsigned whole number of any size, for move counts: three pegs and 999
// disks take 2^999 − 1 moves, far beyond any machine word.
class BigCount {
public:
    BigCount() = default;
    explicit BigCount(std::uint64_t value);

    // Adds value × 2^shift.
    void AddShifted(std::uint64_t value, std::int32_t shift);
    BigCount& operator+=(const BigCount& other);
    friend BigCount operator+(BigCount sum, const BigCount& other) { return sum += other; }

    std::strong_ordering operator<=>(const BigCount& other) const;
    bool operator==(const BigCount& other) const = default;

    // All the digits: "1267650600228229401496703205375".
    std::string DecimalText() const;
    // Three significant digits, rounded half up, and the power of ten: "5.36×10^300".
    std::string PowerOfTenText() const;

private:
    void AddWordAt(std::uint64_t value, std::size_t index);

    // Base 2^32, least significant first, with no zero word at the top.
    std::vector<std::uint32_t> words_;
};
