// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/font_fitting.h"

#include <algorithm>

std::int32_t FittedFontSize(std::int32_t limit, const std::function<std::int32_t(std::int32_t size)>& measure)
{
    std::int32_t fits = 0;                   // the largest size known to fit, 0 before any
    std::int32_t exceeds = LargestFontSize;  // the smallest known to exceed; the largest counts as exceeding
    // Measures a size between the two and moves one of them to it.
    const auto measureAt = [&](std::int32_t size) {
        const std::int32_t extent = measure(size);
        (extent <= limit ? fits : exceeds) = size;
        return extent;
    };
    // A text's extent grows about in proportion to its size, so the extent
    // at one size points close to the answer.
    const std::int32_t first = std::clamp(limit, 1, LargestFontSize - 1);
    const std::int32_t extent = measureAt(first);
    if (exceeds - fits <= 1)
        return exceeds - 2;
    const std::int64_t guess = extent > 0 ? std::int64_t(first) * limit / extent : first;
    std::int32_t size = std::int32_t(std::clamp<std::int64_t>(guess, fits + 1, exceeds - 1));
    // Steps doubling away from the guess until the answer lies between two
    // measured sizes, then halving between them.
    const bool upward = measureAt(size) <= limit;
    for (std::int32_t step = 1; exceeds - fits > 1; step *= 2) {
        size = upward ? std::min(size + step, exceeds - 1) : std::max(size - step, fits + 1);
        if ((measureAt(size) <= limit) != upward)
            break;
    }
    while (exceeds - fits > 1)
        measureAt(fits + (exceeds - fits) / 2);
    return exceeds - 2;
}
