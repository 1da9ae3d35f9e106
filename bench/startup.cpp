// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up to the first painted frame of the main window, against a minimal
// Qt Widgets window of the same size started the same way, in the same run,
// and against the same window showing one line of CJK text: the first text
// costs the font configuration and a CJK face, which the game's first frame needs.
// Each start is a fresh process; the figure is the median over the starts.
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QProcess>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "main_window_bench.h"
#include "platform/system/first_paint.h"
#include "ui/start_program.h"

namespace {
constexpr int Starts = 15;

[[noreturn]] void SayPainted()
{
    std::puts("painted");
    std::fflush(stdout);
    std::_Exit(0);
}

// Called from the first paint event: the frame is whole, children and all,
// and on the screen once the event loop turns again.
void ReportPainted()
{
    QTimer::singleShot(0, SayPainted);
}

class MinimalWindow : public QWidget {
public:
    explicit MinimalWindow(bool withText) : withText_(withText) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (withText_) {
            QPainter painter(this);
            painter.drawText(rect(), Qt::AlignCenter, QString::fromUtf8("时间 步数 提示"));
        }
        ReportPainted();
    }

private:
    bool withText_;
};

int RunBaseline(int argc, char** argv, bool withText)
{
    QApplication application(argc, argv);
    MinimalWindow window(withText);
    window.resize(619, 434);
    window.show();
    return QApplication::exec();
}

// The game sees the command line a player gives it: the program name alone.
// It reports its first frame once the frame is whole and sent to the screen.
int RunGame(char** argv)
{
    OnFirstPaint(SayPainted);
    int argc = 1;
    return StartProgram(argc, argv);
}

double TimeOneStart(const QString& program, const QString& mode)
{
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(program, {mode});
    if (!child.waitForReadyRead(30000) || !child.readAllStandardOutput().startsWith("painted"))
        return -1;
    const double elapsed = double(clock.nsecsElapsed()) / 1e6;
    child.waitForFinished(5000);
    return elapsed;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--game") == 0)
        return RunGame(argv);
    if (argc > 1 && std::strcmp(argv[1], "--baseline") == 0)
        return RunBaseline(argc, argv, false);
    if (argc > 1 && std::strcmp(argv[1], "--baseline-text") == 0)
        return RunBaseline(argc, argv, true);

    QCoreApplication application(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    std::vector<double> game;
    std::vector<double> baseline;
    std::vector<double> baselineText;
    // Alternate the two so that a busy moment of the machine falls on both alike.
    for (int i = 0; i < Starts; ++i) {
        baseline.push_back(TimeOneStart(self, "--baseline"));
        baselineText.push_back(TimeOneStart(self, "--baseline-text"));
        game.push_back(TimeOneStart(self, "--game"));
        if (baseline.back() < 0 || baselineText.back() < 0 || game.back() < 0) {
            std::fprintf(stderr, "startup: a start did not paint\n");
            return 1;
        }
    }
    const double gameMs = Median(game);
    const double baselineMs = Median(baseline);
    std::printf("startup to first frame (median of %d starts)\n", Starts);
    const double textMs = Median(baselineText);
    std::printf("  minimal Qt window:             %8.1f ms\n", baselineMs);
    std::printf("  minimal window with CJK text:  %8.1f ms\n", textMs);
    std::printf("  game main window:              %8.1f ms\n", gameMs);
    std::printf("  ratio game/minimal: %.2f (at most 1.5 wanted, 1.2 aimed at)\n", gameMs / baselineMs);
    std::printf("  ratio game/minimal with text: %.2f\n", gameMs / textMs);
    return 0;
}
