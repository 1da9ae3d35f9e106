// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's answers on the biggest boards, each of which should take well
// under a millisecond: the plan from the board (its next move and remaining
// count) from a tower on the main peg and from a scrambled position, and the
// Frame–Stewart count from a tower. The baseline is a plain read of the board
// into the solver's order of sizes, measured in the same run; the figures are
// medians.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include "core/board.h"
#include "core/frame_stewart.h"
#include "core/game_settings.h"
#include "core/solver.h"
#include "core/tower_position.h"

namespace {
constexpr int Rounds = 101;
constexpr double BudgetMicroseconds = 1000;

using Clock = std::chrono::steady_clock;

template <typename Work>
double MedianMicroseconds(Work work)
{
    std::vector<double> times;
    for (int round = 0; round < Rounds; ++round) {
        const Clock::time_point start = Clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + Rounds / 2, times.end());
    return times[Rounds / 2];
}

void NewTower(int pegs, int disks)
{
    GameSettings.PegCount = pegs;
    GameSettings.DiskCount = disks;
    GameSettings.MainPeg = 1;
    BuildBoard();
}

// Every disk from the main peg onto a random peg, the same ones in every run.
void Scramble(int pegs, int disks)
{
    std::mt19937 random(unsigned(pegs * 1000 + disks));
    for (int rank = 1; rank <= disks; ++rank) {
        const int peg = std::uniform_int_distribution<int>(1, pegs)(random);
        if (peg != 1)
            MoveDisk(1, peg, rank);
    }
}

void Report(const char* what, double microseconds, double baseline)
{
    std::printf("    %-28s %8.1f us  (%6.2f x the read, %5.3f of a millisecond)\n", what, microseconds,
                microseconds / baseline, microseconds / BudgetMicroseconds);
}
}  // namespace

int main()
{
    std::printf("solver on the biggest boards (median of %d)\n", Rounds);
    for (auto [pegs, disks] : {std::pair{3, 999}, {4, 999}, {111, 999}}) {
        NewTower(pegs, disks);
        const double read = MedianMicroseconds([] { BoardPosition(); });
        std::printf("  %3d pegs x %3d disks: read of the board %.1f us\n", pegs, disks, read);
        Report("Frame-Stewart count", MedianMicroseconds([&] { FrameStewartMoves(pegs, disks); }), read);
        Report("plan from the tower", MedianMicroseconds([] { PlanFromBoard(); }), read);
        Scramble(pegs, disks);
        Report("plan from a scrambled board", MedianMicroseconds([] { PlanFromBoard(); }), read);
        const SolverPlan plan = PlanFromBoard();
        std::printf("    scrambled: %s moves to peg %s\n", plan.RemainingMoves.PowerOfTenText().c_str(),
                    PegLetter(plan.TargetPeg).c_str());
    }
    return 0;
}
