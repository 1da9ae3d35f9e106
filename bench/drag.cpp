// SPDX-License-Identifier: GPL-3.0-or-later
// One drag step (the mouse move, DragMove, and the painting and showing of
// what it changed) and one drop (the release, DropDisk with its layout and
// settling, and what that paints), 10 pegs and 64 disks at 1920 × 1080,
// against a 60 Hz frame and against a plain repaint of the whole window in
// the same run. After each event the window paints what waits to be painted,
// as the event loop does next.
#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/board.h"
#include "core/game_flow.h"
#include "core/game_settings.h"
#include "main_window_bench.h"
#include "platform/units/event_loop.h"
#include "platform/units/units.h"
#include "platform/windows/unit_registry.h"
#include "render/layout.h"
#include "ui/main_window_template.h"

namespace {
constexpr int Rounds = 41;
constexpr int PegCount = 10;
constexpr int DiskCount = 64;
constexpr double FrameMs = 1000.0 / 60;

// Until the display has the frame: under X11 a round trip to the server.
void PaintPending()
{
    QCoreApplication::sendPostedEvents(MainWidget(), QEvent::UpdateRequest);
    QGuiApplication::sync();
}

double Ms(const QElapsedTimer& clock)
{
    return double(clock.nsecsElapsed()) / 1e6;
}
}  // namespace

int main(int argc, char** argv)
{
    InitialiseServices(argc, argv);
    OpenMainWindowFullHd();
    GameSettings.PegCount = PegCount;
    GameSettings.DiskCount = DiskCount;
    NewGame(new_game::Redraw);
    QApplication::processEvents();
    QWindow* window = MainWidget()->windowHandle();

    std::vector<double> repaint;
    std::vector<double> steps;
    std::vector<double> drops;
    for (int round = 0; round < Rounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        RepaintShown();
        repaint.push_back(Ms(clock));

        const QPoint press(ColumnWidth / 2, Get(标签基, prop::Top) - 5);
        QTest::mousePress(window, Qt::LeftButton, {}, press);
        PaintPending();
        clock.restart();
        QTest::mouseMove(window, QPoint(ColumnWidth / 2 + 7 + round, 200));
        PaintPending();
        steps.push_back(Ms(clock));

        clock.restart();
        QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(ColumnWidth * 3 / 2, 200));
        PaintPending();
        drops.push_back(Ms(clock));
        // Put the disk back for the next round.
        QTest::mousePress(window, Qt::LeftButton, {}, QPoint(ColumnWidth * 3 / 2, Get(标签基, prop::Top) - 5));
        QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(ColumnWidth / 2, 200));
        PaintPending();
    }
    const double base = Median(repaint);
    std::printf("%d pegs x %d disks at 1920 x 1080 (median of %d)\n", PegCount, DiskCount, Rounds);
    std::printf("  repaint of the window alone: %6.2f ms\n", base);
    std::printf("  drag step:                   %6.2f ms (%.2f frames, ratio to repaint %.2f)\n", Median(steps),
                Median(steps) / FrameMs, Median(steps) / base);
    std::printf("  drop:                        %6.2f ms (%.2f frames, ratio to repaint %.2f)\n", Median(drops),
                Median(drops) / FrameMs, Median(drops) / base);
    DestroyUnit(主窗口);
    QApplication::processEvents();
    ShutdownServices();
    return 0;
}
