// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/transfer_target.h"

std::vector<std::int32_t> TargetsByNearness(std::int32_t pegCount, std::int32_t mainPeg)
{
    std::vector<std::int32_t> targets;
    for (std::int32_t distance = 1; distance < pegCount; ++distance) {
        for (std::int32_t peg : {mainPeg - distance, mainPeg + distance}) {
            if (peg >= 1 && peg <= pegCount)
                targets.push_back(peg);
        }
    }
    return targets;
}
