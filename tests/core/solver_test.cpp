// SPDX-License-Identifier: GPL-3.0-or-later
// Plans from random positions, followed move by move under the board's own
// rules: every move legal, the count falling by one with each, the transfer
// finished after exactly the count, and a count reported shortest equal to
// the distance a breadth-first search of the whole board finds.
#include <QTest>
#include <cstdint>
#include <map>
#include <random>
#include <tuple>
#include <vector>

#include "core/board.h"
#include "core/game_settings.h"
#include "core/solver.h"

namespace {
constexpr int PositionsPerBoard = 6;

// The peg of each rank, rank 1 first.
using Placement = std::vector<int>;

// Puts each disk on its peg of a board already of that size.
void PlaceDisks(const Placement& placement)
{
    for (int peg = 1; peg <= Pegs.Size(); ++peg) {
        for (int rank = 1; rank <= int(placement.size()); ++rank)
            Pegs[peg].Slots[rank] = placement[std::size_t(rank - 1)] == peg ? rank : NoDisk;
    }
}

void SetBoard(int pegs, int mainPeg, bool reverse, const Placement& placement)
{
    GameSettings.PegCount = pegs;
    GameSettings.DiskCount = int(placement.size());
    GameSettings.MainPeg = mainPeg;
    ReverseMode = reverse;
    Pegs = OneBasedArray<Peg>(pegs, Peg{OneBasedArray<DiskRef>(int(placement.size()), NoDisk)});
    PlaceDisks(placement);
}

Placement RandomPlacement(std::mt19937& random, int pegs, int disks)
{
    Placement placement(static_cast<std::size_t>(disks));
    for (int& peg : placement)
        peg = std::uniform_int_distribution<int>(1, pegs)(random);
    return placement;
}

// Whether every disk lies on one peg other than the main peg.
bool TransferFinished()
{
    for (int peg = 1; peg <= Pegs.Size(); ++peg) {
        if (IsPegFull(peg))
            return peg != GameSettings.MainPeg;
    }
    return false;
}

// The fewest moves from each placement of a board to a finished transfer:
// breadth first from all of them, with the board's own rules for the moves.
// A placement is numbered by its pegs, counted from 0, as digits in base
// `pegs`, rank 1 the lowest digit.
class Distances {
public:
    Distances(int pegs, int disks, int mainPeg, bool reverse) : pegs_(pegs), placement_(std::size_t(disks))
    {
        powers_.push_back(1);
        for (int rank = 1; rank <= disks; ++rank)
            powers_.push_back(powers_.back() * pegs);
        distance_.assign(std::size_t(powers_.back()), -1);
        SetBoard(pegs, mainPeg, reverse, placement_);
        std::vector<std::int64_t> queue;
        for (int peg = 1; peg <= pegs; ++peg) {
            if (peg != mainPeg) {
                queue.push_back(Code(Placement(std::size_t(disks), peg)));
                distance_[std::size_t(queue.back())] = 0;
            }
        }
        for (std::size_t head = 0; head < queue.size(); ++head) {
            const std::int64_t code = queue[head];
            LoadBoard(code);
            for (int source = 1; source <= pegs; ++source) {
                const int disk = TopDisk(source);
                for (int target = 1; disk != 0 && target <= pegs; ++target) {
                    const std::int64_t next = code + (target - source) * powers_[std::size_t(disk - 1)];
                    if (!IsDropBlocked(target, disk) && distance_[std::size_t(next)] < 0) {
                        distance_[std::size_t(next)] = distance_[std::size_t(code)] + 1;
                        queue.push_back(next);
                    }
                }
            }
        }
    }

    int operator()(const Placement& placement) const { return distance_[std::size_t(Code(placement))]; }

private:
    std::int64_t Code(const Placement& placement) const
    {
        std::int64_t code = 0;
        for (std::size_t rank = 0; rank < placement.size(); ++rank)
            code += (placement[rank] - 1) * powers_[rank];
        return code;
    }

    void LoadBoard(std::int64_t code)
    {
        for (int& peg : placement_) {
            peg = int(code % pegs_) + 1;
            code /= pegs_;
        }
        PlaceDisks(placement_);
    }

    int pegs_;
    Placement placement_;
    std::vector<std::int64_t> powers_;
    std::vector<int> distance_;
};

const Distances& DistancesFor(int pegs, int disks, int mainPeg, bool reverse)
{
    static std::map<std::tuple<int, int, int, bool>, Distances> known;
    const auto key = std::make_tuple(pegs, disks, mainPeg, reverse);
    auto found = known.find(key);
    if (found == known.end())
        found = known.emplace(key, Distances(pegs, disks, mainPeg, reverse)).first;
    return found->second;
}

QString Text(const BigCount& count)
{
    return QString::fromStdString(count.DecimalText());
}

// Follows the plan from the board as it stands to its end; the moves made.
int FollowPlan(std::int64_t searchWorkLimit)
{
    SolverPlan plan = PlanFromBoard(searchWorkLimit);
    int moves = 0;
    while (plan.NextMove) {
        const auto [source, target] = *plan.NextMove;
        const int disk = TopDisk(source);
        if (disk == 0 || IsDropBlocked(target, disk))
            return -1;
        MoveDisk(source, target, disk);
        ++moves;
        const SolverPlan next = PlanFromBoard(searchWorkLimit);
        if (next.RemainingMoves + BigCount(1) != plan.RemainingMoves || next.TargetPeg != plan.TargetPeg)
            return -1;
        plan = next;
    }
    return plan.RemainingMoves == BigCount() && TransferFinished() && IsPegFull(plan.TargetPeg) ? moves : -1;
}
}  // namespace

class SolverTest : public QObject {
    Q_OBJECT

    // Random boards of 3 to 6 pegs and 1 to 8 disks, in both modes, some from
    // a tower on the main peg: each plan is followed to its end.
    void FollowPlans(std::int64_t searchWorkLimit)
    {
        std::mt19937 random(20240607);
        for (int pegs = 3; pegs <= 6; ++pegs) {
            for (int disks = 1; disks <= 8; ++disks) {
                const int mainPeg = std::uniform_int_distribution<int>(1, pegs)(random);
                for (int round = 0; round < PositionsPerBoard; ++round) {
                    const bool reverse = round % 2 == 1;
                    const Placement placement =
                        round < 2 ? Placement(std::size_t(disks), mainPeg) : RandomPlacement(random, pegs, disks);
                    SetBoard(pegs, mainPeg, reverse, placement);
                    const SolverPlan plan = PlanFromBoard(searchWorkLimit);
                    const int moves = FollowPlan(searchWorkLimit);
                    QVERIFY2(moves >= 0 && BigCount(std::uint64_t(moves)) == plan.RemainingMoves,
                             qPrintable(QStringLiteral("%1 pegs, %2 disks").arg(pegs).arg(disks)));
                    if (plan.ProvenShortest)
                        QCOMPARE(moves, DistancesFor(pegs, disks, mainPeg, reverse)(placement));
                }
            }
        }
    }

private slots:
    void plansWithSearch() { FollowPlans(SearchWorkLimit); }

    void plansWithoutSearch() { FollowPlans(0); }

    // Big boards, scattered: the first moves of each plan are legal and each
    // takes exactly one off the count.
    void bigBoards()
    {
        std::mt19937 random(7);
        for (int round = 0; round < 12; ++round) {
            const int pegs = std::uniform_int_distribution<int>(3, 111)(random);
            const int disks = std::uniform_int_distribution<int>(100, 999)(random);
            const int mainPeg = std::uniform_int_distribution<int>(1, pegs)(random);
            SetBoard(pegs, mainPeg, round % 2 == 1, RandomPlacement(random, pegs, disks));
            SolverPlan plan = PlanFromBoard();
            for (int move = 0; move < 40; ++move) {
                QVERIFY(plan.NextMove);
                const auto [source, target] = *plan.NextMove;
                const int disk = TopDisk(source);
                QVERIFY(disk != 0 && !IsDropBlocked(target, disk));
                MoveDisk(source, target, disk);
                const SolverPlan next = PlanFromBoard();
                QCOMPARE(Text(next.RemainingMoves + BigCount(1)), Text(plan.RemainingMoves));
                plan = next;
            }
        }
    }
};

QTEST_APPLESS_MAIN(SolverTest)
#include "solver_test.moc"
