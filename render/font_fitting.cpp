// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/font_fitting.h"

#include <algorithm>

std::int32_t FittedFontSize(std::int32_t limit, const std::function<std::int32_t(std::int32_t size)>& measure)
{
    std::int32_t fits = 0;  // the largest size known to fit, 0 before any
    std::int32_t exceeds = 1;
    while (exceeds < LargestFontSize && measure(exceeds) <= limit) {
        fits = exceeds;
        exceeds = std::min(exceeds * 2, LargestFontSize);
    }
    while (exceeds - fits > 1) {
        const std::int32_t middle = fits + (exceeds - fits) / 2;
        (measure(middle) <= limit ? fits : exceeds) = middle;
    }
    return exceeds - 2;
}
