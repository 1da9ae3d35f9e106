// SPDX-License-Identifier: GPL-3.0-or-later
// LayoutScene plus the repaint it causes, on a 1920 × 1080 client area, for
// three boards. Each figure is compared with a plain repaint of the same
// window (the baseline, measured in the same run) and with a 60 Hz frame.
// Every figure runs until the display has the frame: under X11 that is a
// round trip to the server after the repaint.
#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/board.h"
#include "core/game_settings.h"
#include "main_window_bench.h"
#include "platform/units/event_loop.h"
#include "platform/units/units.h"
#include "platform/windows/unit_registry.h"
#include "render/layout.h"
#include "render/scene_builder.h"
#include "ui/main_window_template.h"

namespace {
constexpr int Rounds = 41;
constexpr double FrameMs = 1000.0 / 60;

template <typename Work>
double Ms(Work work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return double(clock.nsecsElapsed()) / 1e6;
}

// Forces a layout that moves every disk (the stack turns over between normal
// and reverse mode), then repaints until the display has the frame.
void LayoutAndPaint()
{
    ReverseMode = !ReverseMode;
    LayoutScene();
    RepaintShown();
}
}  // namespace

int main(int argc, char** argv)
{
    InitialiseServices(argc, argv);
    OpenMainWindowFullHd();

    std::printf("layout plus repaint at 1920 x 1080 (median of %d)\n", Rounds);
    std::vector<double> repaints;
    for (auto [pegs, disks] : {std::pair{3, 5}, {10, 64}, {111, 999}}) {
        GameSettings.PegCount = pegs;
        GameSettings.DiskCount = disks;
        GameSettings.MainPeg = 1;
        BuildBoard();
        BuildBoardElements();
        LayoutAndPaint();
        // The two alternate, so that a busy moment of the machine falls on both alike.
        std::vector<double> repaintTimes;
        std::vector<double> layoutTimes;
        for (int i = 0; i < Rounds; ++i) {
            repaintTimes.push_back(Ms(RepaintShown));
            layoutTimes.push_back(Ms(LayoutAndPaint));
        }
        const double repaintOnly = Median(repaintTimes);
        const double layout = Median(layoutTimes);
        std::printf("  %3d pegs x %3d disks: %8.2f ms (repaint alone %6.2f ms, ratio %5.2f; %.2f frames)\n", pegs,
                    disks, layout, repaintOnly, layout / repaintOnly, layout / FrameMs);
        repaints.push_back(repaintOnly);
    }
    // What the largest board adds to a repaint of the same window.
    std::printf("  repaint of 111 x 999 / repaint of 3 x 5: %.2f\n", repaints.back() / repaints.front());
    DestroyUnit(主窗口);
    QApplication::processEvents();
    ShutdownServices();
    return 0;
}
