// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/frame_stewart.h"

#include <algorithm>

namespace {
// How many disks of a tower over `pegs` pegs cost 2^level moves each, held to
// `limit`: the binomial C(level + pegs − 3, pegs − 3), none below level 0.
std::int64_t DisksAtLevel(std::int32_t pegs, std::int32_t level, std::int64_t limit)
{
    if (level < 0)
        return 0;
    // C(level + r, r) = C(level + r, level), built up one factor at a time:
    // each partial product is itself a binomial and never shrinks, so it stops
    // as soon as it passes the limit.
    const std::int64_t r = pegs - 3;
    const std::int64_t steps = std::min<std::int64_t>(level, r);
    const std::int64_t rest = std::max<std::int64_t>(level, r);
    std::int64_t count = 1;
    for (std::int64_t j = 1; j <= steps && count <= limit; ++j)
        count = count * (rest + j) / j;
    return std::min(count, limit);
}
}  // namespace

BigCount FrameStewartMoves(std::int32_t pegs, std::int32_t disks)
{
    BigCount moves;
    std::int64_t left = disks;
    for (std::int32_t level = 0; left > 0; ++level) {
        const std::int64_t count = DisksAtLevel(pegs, level, left);
        moves.AddShifted(std::uint64_t(count), level);
        left -= count;
    }
    return moves;
}

std::int32_t FrameStewartSplit(std::int32_t pegs, std::int32_t disks)
{
    // The disks in turn take the cheapest place left: a top disk at level i
    // costs what a disk at level i − 1 of the whole tower does, twice; a lower
    // disk at level i what it costs over one peg fewer. At equal cost the top
    // is filled first.
    std::int64_t left = disks;
    std::int64_t top = 0;
    for (std::int32_t level = 0; left > 0; ++level) {
        const std::int64_t aside = DisksAtLevel(pegs, level - 1, left);
        top += aside;
        left -= aside + DisksAtLevel(pegs - 1, level, left - aside);
    }
    return std::int32_t(top);
}
