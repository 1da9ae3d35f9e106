// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fewest_moves.h"

#include "core/frame_stewart.h"
#include "core/position_search.h"

FewestMoves FewestFromTower(std::int32_t pegCount, std::int32_t diskCount)
{
    // From a tower the solver's plan is the Frame–Stewart plan, which a search
    // of the whole board confirms where it can be made.
    return {FrameStewartMoves(pegCount, diskCount),
            pegCount <= 4 || IsSearchable(pegCount, diskCount, SearchWorkLimit)};
}
