// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

#include "core/big_count.h"

// The Frame–Stewart plan for a tower of disks on one peg: the top disks go
// aside onto another peg with all pegs, the others go across with that peg
// left out, and the top disks follow them with all pegs again; the split is
// chosen so that the sum is least. It is the shortest transfer for three and
// four pegs, and the presumed shortest for more.
//
// Its counts grow by powers of two: with k pegs, each added disk costs 2^i
// more moves, and 2^i is the cost of C(i + k − 3, k − 3) of the disks in turn.

// The moves of the plan for `disks` disks over `pegs` pegs (3 or more).
BigCount FrameStewartMoves(std::int32_t pegs, std::int32_t disks);

// How many top disks the plan for `disks` disks over `pegs` pegs (4 or more)
// moves aside first. Of the least-sum splits it takes the largest, so the
// split never shrinks as disks are added.
std::int32_t FrameStewartSplit(std::int32_t pegs, std::int32_t disks);
