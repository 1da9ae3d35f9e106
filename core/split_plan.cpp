// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/split_plan.h"

#include <algorithm>
#include <optional>

#include "core/frame_stewart.h"
#include "core/three_peg_plan.h"

namespace {
using PegSet = std::vector<std::int32_t>;

// The top disks of a range, down to `Last`, put aside on `Peg`.
struct Aside {
    std::int32_t Peg = 0;
    std::int32_t Last = 0;
};

PegSet Without(const PegSet& pegs, std::int32_t left)
{
    PegSet rest;
    for (std::int32_t peg : pegs) {
        if (peg != left)
            rest.push_back(peg);
    }
    return rest;
}

class Splitter {
public:
    Splitter(const std::vector<std::int32_t>& pegOfSize, std::int32_t pegCount) : pegOf_(pegOfSize), pegCount_(pegCount)
    {
    }

    // Gathers the disks of sizes top..bottom on `target`, using only `pegs`,
    // which hold all of them.
    PlanOutline Gather(std::int32_t top, std::int32_t bottom, std::int32_t target, const PegSet& pegs) const
    {
        while (bottom >= top && On(bottom) == target)
            --bottom;
        if (bottom < top)
            return {};
        if (pegs.size() == 3)
            return ThreePegPlan(pegOf_, top, bottom, target, {pegs[0], pegs[1], pegs[2]});
        if (bottom == top)
            return {BigCount(1), PegMove{On(bottom), target}};
        const std::int32_t split = FrameStewartSplit(std::int32_t(pegs.size()), bottom - top + 1);
        if (const std::optional<Aside> aside = StackedAside(top, bottom, target, split))
            return Then(GatherLower(*aside, bottom, target, pegs), TowerBack(top, *aside, pegs));
        const Aside aside = ChooseAside(top, bottom, target, split, pegs);
        return Then(Then(Gather(top, aside.Last, aside.Peg, pegs), GatherLower(aside, bottom, target, pegs)),
                    TowerBack(top, aside, pegs));
    }

private:
    std::int32_t On(std::int32_t size) const { return pegOf_[std::size_t(size)]; }

    PlanOutline GatherLower(const Aside& aside, std::int32_t bottom, std::int32_t target, const PegSet& pegs) const
    {
        return Gather(aside.Last + 1, bottom, target, Without(pegs, aside.Peg));
    }

    static PlanOutline TowerBack(std::int32_t top, const Aside& aside, const PegSet& pegs)
    {
        return {FrameStewartMoves(std::int32_t(pegs.size()), aside.Last - top + 1), std::nullopt};
    }

    // The top disks already put aside: a tower of at least `split` disks from
    // the top of the range, alone on a peg other than the target, with more
    // of the range elsewhere.
    std::optional<Aside> StackedAside(std::int32_t top, std::int32_t bottom, std::int32_t target,
                                      std::int32_t split) const
    {
        const std::int32_t peg = On(top);
        std::int32_t last = top;
        while (last < bottom && On(last + 1) == peg)
            ++last;
        if (peg == target || last == bottom || last - top + 1 < split)
            return std::nullopt;
        for (std::int32_t size = last + 1; size <= bottom; ++size) {
            if (On(size) == peg)
                return std::nullopt;
        }
        return Aside{peg, last};
    }

    Aside ChooseAside(std::int32_t top, std::int32_t bottom, std::int32_t target, std::int32_t split,
                      const PegSet& pegs) const
    {
        const std::int32_t last = top + split - 1;
        std::vector<bool> holdsLower(std::size_t(pegCount_) + 1, false);
        for (std::int32_t size = last + 1; size <= bottom; ++size)
            holdsLower[std::size_t(On(size))] = true;
        PegSet free;
        for (std::int32_t peg : pegs) {
            if (peg != target && !holdsLower[std::size_t(peg)])
                free.push_back(peg);
        }
        if (free.empty())
            return ShortestLongest(top, bottom, target, pegs);
        const bool keepsLongest = std::find(free.begin(), free.end(), On(last)) != free.end();
        return Aside{keepsLongest ? On(last) : free.front(), last};
    }

    // Every peg but the target holds a lower disk: the peg whose longest disk
    // of the range is shortest, with every disk down to that one.
    Aside ShortestLongest(std::int32_t top, std::int32_t bottom, std::int32_t target, const PegSet& pegs) const
    {
        std::vector<std::int32_t> longest(std::size_t(pegCount_) + 1, -1);
        for (std::int32_t size = bottom; size >= top; --size) {
            if (longest[std::size_t(On(size))] < 0)
                longest[std::size_t(On(size))] = size;
        }
        Aside aside{0, bottom};
        for (std::int32_t peg : pegs) {
            if (peg != target && longest[std::size_t(peg)] < aside.Last)
                aside = Aside{peg, longest[std::size_t(peg)]};
        }
        return aside;
    }

    const std::vector<std::int32_t>& pegOf_;
    std::int32_t pegCount_;
};
}  // namespace

PlanOutline SplitPlan(const std::vector<std::int32_t>& pegOfSize, std::int32_t pegCount, std::int32_t target)
{
    PegSet pegs;
    for (std::int32_t peg = 1; peg <= pegCount; ++peg)
        pegs.push_back(peg);
    return Splitter(pegOfSize, pegCount).Gather(0, std::int32_t(pegOfSize.size()) - 1, target, pegs);
}
