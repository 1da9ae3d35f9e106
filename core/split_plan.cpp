// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/split_plan.h"

#include <array>
#include <optional>

#include "core/frame_stewart.h"
#include "core/three_peg_plan.h"

namespace {
// The top disks of a range, down to `Last`, put aside on `Peg`.
struct Aside {
    std::int32_t Peg = 0;
    std::int32_t Last = 0;
};

class Splitter {
public:
    Splitter(const std::vector<std::int32_t>& pegOfSize, std::int32_t pegCount)
        : pegOf_(pegOfSize),
          pegCount_(pegCount),
          usable_(pegCount),
          leftOut_(std::size_t(pegCount) + 1, 0),
          mark_(std::size_t(pegCount) + 1, 0),
          longest_(std::size_t(pegCount) + 1, 0)
    {
    }

    // Gathers the disks of sizes top..bottom on `target`, moving them only
    // over the pegs not left out, which hold all of them.
    PlanOutline Gather(std::int32_t top, std::int32_t bottom, std::int32_t target)
    {
        while (bottom >= top && On(bottom) == target)
            --bottom;
        if (bottom < top)
            return {};
        if (usable_ == 3)
            return ThreePegPlan(pegOf_, top, bottom, target, UsablePegs());
        if (bottom == top)
            return {BigCount(1), PegMove{On(bottom), target}};
        const std::int32_t split = FrameStewartSplit(usable_, bottom - top + 1);
        const std::int32_t runEnd = RunEnd(top, bottom);
        if (runEnd == bottom)
            return TowerMove(top, bottom, target, split);
        if (const std::optional<Aside> aside = StackedAside(top, runEnd, bottom, target, split))
            return Then(GatherLower(*aside, bottom, target), TowerBack(top, *aside));
        const Aside aside = ChooseAside(top, bottom, target, split);
        const PlanOutline putAside = Gather(top, aside.Last, aside.Peg);
        return Then(Then(putAside, GatherLower(aside, bottom, target)), TowerBack(top, aside));
    }

private:
    std::int32_t On(std::int32_t size) const { return pegOf_[std::size_t(size)]; }

    bool IsUsable(std::int32_t peg) const { return leftOut_[std::size_t(peg)] == 0; }

    std::array<std::int32_t, 3> UsablePegs() const
    {
        std::array<std::int32_t, 3> pegs{};
        std::size_t found = 0;
        for (std::int32_t peg = 1; found < pegs.size(); ++peg) {
            if (IsUsable(peg))
                pegs[found++] = peg;
        }
        return pegs;
    }

    PlanOutline GatherLower(const Aside& aside, std::int32_t bottom, std::int32_t target)
    {
        leftOut_[std::size_t(aside.Peg)] = 1;
        --usable_;
        PlanOutline plan = Gather(aside.Last + 1, bottom, target);
        leftOut_[std::size_t(aside.Peg)] = 0;
        ++usable_;
        return plan;
    }

    PlanOutline TowerBack(std::int32_t top, const Aside& aside) const
    {
        return {FrameStewartMoves(usable_, aside.Last - top + 1), std::nullopt};
    }

    // The last disk of the range that lies with all the disks above it.
    std::int32_t RunEnd(std::int32_t top, std::int32_t bottom) const
    {
        std::int32_t last = top;
        while (last < bottom && On(last + 1) == On(top))
            ++last;
        return last;
    }

    // The whole range in one tower, moved by the Frame–Stewart plan, whose
    // count is known: only its first move is worked out, from its top part.
    PlanOutline TowerMove(std::int32_t top, std::int32_t bottom, std::int32_t target, std::int32_t split)
    {
        const Aside aside = ChooseAside(top, bottom, target, split);
        return {FrameStewartMoves(usable_, bottom - top + 1), Gather(top, aside.Last, aside.Peg).First};
    }

    // The top disks already put aside: a tower of at least `split` disks from
    // the top of the range down to `last`, alone on a peg other than the
    // target, with more of the range elsewhere.
    std::optional<Aside> StackedAside(std::int32_t top, std::int32_t last, std::int32_t bottom, std::int32_t target,
                                      std::int32_t split) const
    {
        const std::int32_t peg = On(top);
        if (peg == target || last - top + 1 < split)
            return std::nullopt;
        for (std::int32_t size = last + 1; size <= bottom; ++size) {
            if (On(size) == peg)
                return std::nullopt;
        }
        return Aside{peg, last};
    }

    // Marks the pegs that hold a disk of sizes from..to; the marks of an
    // earlier call no longer count.
    void MarkPegsOf(std::int32_t from, std::int32_t to)
    {
        ++markRound_;
        for (std::int32_t size = to; size >= from; --size) {
            if (!IsMarked(On(size))) {
                mark_[std::size_t(On(size))] = markRound_;
                longest_[std::size_t(On(size))] = size;
            }
        }
    }

    bool IsMarked(std::int32_t peg) const { return mark_[std::size_t(peg)] == markRound_; }

    bool MayHoldAside(std::int32_t peg, std::int32_t target) const
    {
        return peg != target && IsUsable(peg) && !IsMarked(peg);
    }

    // The top part of a range not yet put aside: the split, on a peg that
    // holds none of the lower disks, the one its longest disk lies on if it
    // may, else the leftmost.
    Aside ChooseAside(std::int32_t top, std::int32_t bottom, std::int32_t target, std::int32_t split)
    {
        const std::int32_t last = top + split - 1;
        MarkPegsOf(last + 1, bottom);
        if (MayHoldAside(On(last), target))
            return Aside{On(last), last};
        for (std::int32_t peg = 1; peg <= pegCount_; ++peg) {
            if (MayHoldAside(peg, target))
                return Aside{peg, last};
        }
        return ShortestLongest(top, bottom, target);
    }

    // Every peg but the target holds a lower disk: the peg whose longest disk
    // of the range is shortest, with every disk down to that one.
    Aside ShortestLongest(std::int32_t top, std::int32_t bottom, std::int32_t target)
    {
        MarkPegsOf(top, bottom);
        Aside aside{0, bottom};
        for (std::int32_t peg = 1; peg <= pegCount_; ++peg) {
            if (peg != target && IsUsable(peg) && longest_[std::size_t(peg)] < aside.Last)
                aside = Aside{peg, longest_[std::size_t(peg)]};
        }
        return aside;
    }

    const std::vector<std::int32_t>& pegOf_;
    std::int32_t pegCount_;
    // The pegs a range may use: all but those left out for the top disks of
    // the ranges around it.
    std::int32_t usable_;
    std::vector<std::uint8_t> leftOut_;
    // Which pegs hold disks of the sizes last marked, and the longest of them.
    std::vector<std::uint32_t> mark_;
    std::vector<std::int32_t> longest_;
    std::uint32_t markRound_ = 0;
};
}  // namespace

PlanOutline SplitPlan(const std::vector<std::int32_t>& pegOfSize, std::int32_t pegCount, std::int32_t target)
{
    return Splitter(pegOfSize, pegCount).Gather(0, std::int32_t(pegOfSize.size()) - 1, target);
}
