// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/position_search.h"

#include <algorithm>
#include <vector>

#include "core/transfer_target.h"

namespace {
constexpr std::uint16_t Unreached = 0xFFFF;

// Every position of one board, each a number whose digit j in base PegCount
// is the peg, counted from 0, under the disk of size j: its distance to the
// nearest finished transfer and the index in Targets of that transfer's peg.
struct SearchTable {
    std::int32_t PegCount = 0;
    std::int32_t DiskCount = 0;
    std::int32_t MainPeg = 0;
    std::vector<std::int32_t> Targets;
    std::vector<std::uint64_t> Powers;
    std::vector<std::uint16_t> Distance;
    std::vector<std::uint16_t> Goal;
};

// Lists the legal moves from a position of a table's board, with its own
// room to read the position in, so a search allocates nothing per position.
class MoveLister {
public:
    explicit MoveLister(const SearchTable& table)
        : table_(table), topOf_(std::size_t(table.PegCount)), pegOf_(std::size_t(table.DiskCount))
    {
    }

    // Calls `visit(move, next)` for each legal move from `state` to `next`, in
    // a fixed order: shorter disks first, then pegs from the left.
    template <typename Visit>
    void ForEach(std::uint64_t state, Visit visit)
    {
        const std::uint64_t pegs = std::uint64_t(table_.PegCount);
        const std::size_t disks = pegOf_.size();
        std::fill(topOf_.begin(), topOf_.end(), disks);
        std::uint64_t digits = state;
        for (std::size_t size = 0; size < disks; ++size, digits /= pegs) {
            pegOf_[size] = std::size_t(digits % pegs);
            topOf_[pegOf_[size]] = std::min(topOf_[pegOf_[size]], size);
        }
        for (std::size_t size = 0; size < disks; ++size) {
            const std::size_t from = pegOf_[size];
            if (topOf_[from] != size)
                continue;
            const std::uint64_t power = table_.Powers[size];
            for (std::size_t to = 0; to < topOf_.size(); ++to) {
                if (topOf_[to] > size)
                    visit(PegMove{std::int32_t(from + 1), std::int32_t(to + 1)}, state - from * power + to * power);
            }
        }
    }

private:
    const SearchTable& table_;
    std::vector<std::size_t> topOf_;
    std::vector<std::size_t> pegOf_;
};

std::uint64_t StateOf(const SearchTable& table, const std::vector<std::int32_t>& pegOfSize)
{
    std::uint64_t state = 0;
    for (std::size_t size = 0; size < pegOfSize.size(); ++size)
        state += std::uint64_t(pegOfSize[size] - 1) * table.Powers[size];
    return state;
}

// Breadth first from every finished transfer at once, the preferred ones
// first: each level of the queue then stays in the order of preference, so
// each position takes the most preferred of its nearest transfers.
void Search(SearchTable& table)
{
    const std::size_t positions = std::size_t(table.Powers.back());
    table.Distance.assign(positions, Unreached);
    table.Goal.assign(positions, 0);
    std::vector<std::uint32_t> queue;
    queue.reserve(positions);
    for (std::size_t goal = 0; goal < table.Targets.size(); ++goal) {
        const std::uint64_t state =
            StateOf(table, std::vector<std::int32_t>(std::size_t(table.DiskCount), table.Targets[goal]));
        table.Distance[state] = 0;
        table.Goal[state] = std::uint16_t(goal);
        queue.push_back(std::uint32_t(state));
    }
    MoveLister moves(table);
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const std::uint64_t state = queue[head];
        moves.ForEach(state, [&](PegMove, std::uint64_t next) {
            if (table.Distance[next] != Unreached)
                return;
            table.Distance[next] = std::uint16_t(table.Distance[state] + 1);
            table.Goal[next] = table.Goal[state];
            queue.push_back(std::uint32_t(next));
        });
    }
}

const SearchTable& TableFor(const TowerPosition& position)
{
    static SearchTable table;
    const std::int32_t disks = std::int32_t(position.PegOfSize.size());
    if (table.PegCount == position.PegCount && table.DiskCount == disks && table.MainPeg == position.MainPeg)
        return table;
    table.PegCount = position.PegCount;
    table.DiskCount = disks;
    table.MainPeg = position.MainPeg;
    table.Targets = TargetsByNearness(position.PegCount, position.MainPeg);
    table.Powers.assign(1, 1);
    for (std::int32_t size = 0; size < disks; ++size)
        table.Powers.push_back(table.Powers.back() * std::uint64_t(position.PegCount));
    Search(table);
    return table;
}
}  // namespace

bool IsSearchable(std::int32_t pegCount, std::int32_t diskCount, std::int64_t workLimit)
{
    std::int64_t work = pegCount;
    for (std::int32_t size = 0; size < diskCount && work <= workLimit; ++size)
        work *= pegCount;
    return work <= workLimit;
}

SearchedPlan SearchPlan(const TowerPosition& position)
{
    const SearchTable& table = TableFor(position);
    const std::uint64_t state = StateOf(table, position.PegOfSize);
    const std::uint16_t distance = table.Distance[state];
    const std::uint16_t goal = table.Goal[state];
    SearchedPlan plan{table.Targets[goal], {BigCount(distance), std::nullopt}};
    MoveLister(table).ForEach(state, [&](PegMove move, std::uint64_t next) {
        if (!plan.Outline.First && table.Distance[next] + 1 == distance && table.Goal[next] == goal)
            plan.Outline.First = move;
    });
    return plan;
}
