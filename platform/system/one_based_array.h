// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/system/fatal.h"

// An array indexed from 1, as the game's boards are. An index outside
// 1..size is a fault of the program and ends it through the fatal stop,
// never a read or write out of bounds.
template <typename T>
class OneBasedArray {
public:
    OneBasedArray() = default;
    explicit OneBasedArray(std::int32_t size, const T& value = T()) : items_(std::size_t(size > 0 ? size : 0), value) {}

    std::int32_t Size() const { return std::int32_t(items_.size()); }

    T& operator[](std::int32_t index) { return items_[Offset(index)]; }
    const T& operator[](std::int32_t index) const { return items_[Offset(index)]; }
    // Items 1 to `count`, checked once, for a loop that then needs no index checks.
    std::span<const T> First(std::int32_t count) const
    {
        if (count > Size())
            FatalStop(fault::IndexAboveSize, fault::IndexAboveSizeText);
        return std::span<const T>(items_).first(std::size_t(std::max(count, 0)));
    }

private:
    std::size_t Offset(std::int32_t index) const
    {
        if (index < 1)
            FatalStop(fault::IndexBelowOne, fault::IndexBelowOneText);
        if (index > Size())
            FatalStop(fault::IndexAboveSize, fault::IndexAboveSizeText);
        return std::size_t(index - 1);
    }

    std::vector<T> items_;
};
