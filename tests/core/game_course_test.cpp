// SPDX-License-Identifier: GPL-3.0-or-later
// The course of whole games through the one move path, with no window: a view
// and an effect player that record what the game asks of them, and a clock
// that only the test moves on.
#include <QTest>
#include <algorithm>
#include <utility>
#include <vector>

#include "core/board.h"
#include "core/disk_moves.h"
#include "core/effect_recorder.h"
#include "core/effect_requests.h"
#include "core/game_flow.h"
#include "core/game_settings.h"
#include "core/game_view.h"

namespace {
class RecordingView : public GameView {
public:
    void BuildBoardElements() override {}
    void LayoutScene() override { ++layouts; }
    void NextBackground() override {}
    void ShowStatus(int part, const std::string& text) override { status[part] = QString::fromStdString(text); }
    void RunClock(bool running) override { clockRunning = running; }
    void ShowPaused(bool shown) override { paused = shown; }
    void LiftCancelled() override { ++cancelledLifts; }
    void ProcessPendingMessages() override {}

    bool WaitWhileOpen(std::int32_t milliseconds) override
    {
        now += milliseconds;
        return true;
    }

    QString status[3];
    bool clockRunning = false;
    bool paused = false;
    int layouts = 0;
    int cancelledLifts = 0;
    // Milliseconds waited so far.
    int now = 0;
};

// The effects asked for, with when and whether muted.
class TimedEffects : public EffectRecorder {
public:
    explicit TimedEffects(const RecordingView& view) : view_(view) {}
    void Play(Effect effect, OtherEffects others, bool muted) override
    {
        EffectRecorder::Play(effect, others, muted);
        at.push_back(view_.now);
        this->muted.push_back(muted);
    }
    void Clear()
    {
        requests.clear();
        at.clear();
        muted.clear();
    }
    std::vector<int> at;
    std::vector<bool> muted;

private:
    const RecordingView& view_;
};

// The shortest transfer of `disks` disks from `from` to `to`, as peg pairs.
void Plan(int disks, int from, int to, int spare, std::vector<std::pair<int, int>>& moves)
{
    if (disks == 0)
        return;
    Plan(disks - 1, from, spare, to, moves);
    moves.emplace_back(from, to);
    Plan(disks - 1, spare, to, from, moves);
}

void Move(int from, int to)
{
    QVERIFY(LiftDisk(from));
    CarryDisk(to);
    PutDownDisk(to);
}
}  // namespace

class GameCourseTest : public QObject {
    Q_OBJECT

    RecordingView view;
    TimedEffects effects{view};

    void StartGame(int pegs, int disks, int mainPeg, bool reverse = false, bool countOnlyCorrect = true)
    {
        ReverseMode = reverse;
        Course.CountOnlyCorrect = countOnlyCorrect;
        GameSettings.PegCount = pegs;
        GameSettings.DiskCount = disks;
        GameSettings.MainPeg = mainPeg;
        NewGame(new_game::Redraw);
        effects.Clear();
    }

private slots:
    void initTestCase()
    {
        SetGameView(&view);
        SetEffectPlayer(&effects);
    }

    void init()
    {
        Course.MuteSounds = false;
        StartGame(3, 3, 1);
    }

    void aWholeGameEndsInTheNextLevel_data()
    {
        QTest::addColumn<bool>("reverse");
        QTest::addColumn<bool>("countOnlyCorrect");
        QTest::newRow("normal") << false << true;
        QTest::newRow("reverse") << true << true;
        QTest::newRow("every drop counts") << false << false;
        QTest::newRow("reverse, every drop counts") << true << false;
    }

    void aWholeGameEndsInTheNextLevel()
    {
        QFETCH(bool, reverse);
        QFETCH(bool, countOnlyCorrect);
        StartGame(4, 3, 2, reverse, countOnlyCorrect);
        std::vector<std::pair<int, int>> plan;
        Plan(3, 2, 4, 1, plan);
        QStringList record;
        int steps = 0;
        for (std::size_t i = 0; i < plan.size(); ++i) {
            const auto [from, to] = plan[i];
            if (i == 1) {
                // The top disk of the source refused on the smaller disk just set down,
                // then put back in place: neither moves anything.
                Move(from, plan[0].second);
                QCOMPARE(view.status[2], reverse ? QStringLiteral("当前是逆向模式，因此：短的盘片不能放在长的盘片上面")
                                                 : QStringLiteral("长的盘片不能放在短的盘片上面"));
                QCOMPARE(effects.Effects().back(), Effect::Refused);
                Move(plan[0].second, plan[0].second);
                QCOMPARE(view.status[2], QStringLiteral("原地放下..."));
                QCOMPARE(effects.Effects().back(), Effect::InPlace);
                steps += countOnlyCorrect ? 0 : 2;
            }
            const int disk = TopDisk(from);
            Move(from, to);
            record << QStringLiteral("%1→%2").arg(QChar('A' + from - 1)).arg(QChar('A' + to - 1));
            steps += to != GameSettings.MainPeg;
            if (i + 1 < plan.size()) {
                QVERIFY(IsOccupied(Pegs[to].Slots[disk]) && !IsOccupied(Pegs[from].Slots[disk]));
                QCOMPARE(view.status[2], QStringLiteral("放下正确，继续..."));
                QCOMPARE(Course.StepCount, steps);
                QCOMPARE(QString::fromStdString(Course.MoveRecord), record.join("\r\n"));
            }
        }
        // The win: three sounds, 500 and then 2000 ms apart, then a new game with
        // one disk more, quietly, keeping the final counts on show. Its tip
        // may begin with word of a new record.
        QCOMPARE(view.status[1], QStringLiteral("%1 步").arg(steps));
        QVERIFY(view.status[2].endsWith(QStringLiteral("游戏初始完毕..第一次选择盘片进行移动时将开始计时..")));
        const std::size_t win = effects.requests.size() - 3;
        QCOMPARE(std::vector<EffectRequest>(effects.requests.begin() + win, effects.requests.end()),
                 (std::vector<EffectRequest>{{Effect::Win1, OtherEffects::Stop},
                                             {Effect::Win2, OtherEffects::Keep},
                                             {Effect::Win3, OtherEffects::Keep}}));
        QCOMPARE(effects.at[win + 1] - effects.at[win], 500);
        QCOMPARE(effects.at[win + 2] - effects.at[win + 1], 2000);
        QCOMPARE(GameSettings.DiskCount, 4);
        QVERIFY(IsPegFull(2));
        QCOMPARE(Course.StepCount, 0);
        QVERIFY(!view.clockRunning);
        const std::vector<Effect> heard = effects.Effects();
        QCOMPARE(std::count(heard.begin(), heard.end(), Effect::ClockStart), 1);
        // The finished game's moves stay readable until the next game's first lift.
        QCOMPARE(QString::fromStdString(Course.MoveRecord), record.join("\r\n"));
        Move(2, 1);
        QCOMPARE(QString::fromStdString(Course.MoveRecord), QStringLiteral("B→A"));
    }

    void theMainPegNeverCountsAndMaySpinInPlace()
    {
        Move(1, 1);
        QCOMPARE(view.status[2], QStringLiteral("您 出色 地完成了原地打转！= ="));
        QCOMPARE(effects.Effects().back(), Effect::SpinInPlace);
        Move(1, 2);
        Move(1, 3);
        Move(2, 1);
        QCOMPARE(Course.StepCount, 2);
        QCOMPARE(view.status[2], QStringLiteral("放下正确，继续..."));
        Move(3, 1);
        QCOMPARE(view.status[2], QStringLiteral("长的盘片不能放在短的盘片上面"));
        QCOMPARE(Course.StepCount, 2);
    }

    void aLiftNamesThePegsItCrosses()
    {
        QVERIFY(!LiftDisk(2));
        QVERIFY(!LiftDisk(0));
        QVERIFY(!Course.Lift.DragActive);
        QVERIFY(effects.requests.empty());
        QVERIFY(LiftDisk(1));
        QCOMPARE(Course.Lift.LiftedDisk, 1);
        QCOMPARE(effects.Effects(), (std::vector<Effect>{Effect::ClockStart, Effect::PickUp}));
        QCOMPARE(effects.requests.back().others, OtherEffects::Keep);
        QVERIFY(view.clockRunning);
        CarryDisk(3);
        QCOMPARE(view.status[2], QStringLiteral("从 A 到 C"));
        view.status[2].clear();
        CarryDisk(3);
        QVERIFY(view.status[2].isEmpty());
        CarryDisk(0);
        QCOMPARE(view.status[2], QStringLiteral("从 A 到 "));
        const int layouts = view.layouts;
        PutDownDisk(0);
        QCOMPARE(view.layouts, layouts + 1);
        QCOMPARE(TopDisk(1), 1);
        QVERIFY(Course.MoveRecord.empty());
        QCOMPARE(effects.requests.size(), std::size_t(2));
    }

    void theClockShowsTheTimePlayed_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a second") << 1 << QStringLiteral("1 秒");
        QTest::newRow("a minute and a second") << 61 << QStringLiteral("1 分钟 1 秒");
        QTest::newRow("an hour and a second") << 3601 << QStringLiteral("1 小时1 秒");
    }

    void theClockShowsTheTimePlayed()
    {
        QFETCH(int, ticks);
        QFETCH(QString, shown);
        QCOMPARE(view.status[0], QStringLiteral("0 秒"));
        Move(1, 2);
        for (int i = 0; i < ticks; ++i)
            ClockTick();
        QCOMPARE(view.status[0], shown);
    }

    void aPauseStopsTheClockAndPutsALiftedDiskBack()
    {
        TogglePause();
        QVERIFY(!view.paused);
        QVERIFY(LiftDisk(1));
        ClockTick();
        const int layouts = view.layouts;
        TogglePause();
        QVERIFY(view.paused);
        QVERIFY(!view.clockRunning);
        QVERIFY(!Course.Lift.DragActive);
        QCOMPARE(view.cancelledLifts, 1);
        QCOMPARE(view.layouts, layouts + 1);
        PutDownDisk(2);
        QCOMPARE(TopDisk(2), 0);
        TogglePause();
        QVERIFY(!view.paused);
        QVERIFY(view.clockRunning);
        QCOMPARE(Course.ElapsedSeconds, 1);
    }

    // Behind the cover no way of moving lifts a disk; going on, they all do again.
    void nothingMovesWhilePaused()
    {
        Move(1, 2);
        ClockTick();
        TogglePause();
        QVERIFY(GamePaused());
        const std::string record = Course.MoveRecord;
        const QString tip = view.status[2];
        for (int peg = 0; peg <= 4; ++peg) {
            QVERIFY(!LiftDisk(peg));
            CarryDisk(3);
            PutDownDisk(3);
        }
        QCOMPARE(TopDisk(1), 2);
        QCOMPARE(TopDisk(3), 0);
        QCOMPARE(Course.MoveRecord, record);
        QCOMPARE(Course.StepCount, 1);
        QCOMPARE(view.status[2], tip);
        TogglePause();
        QVERIFY(!GamePaused());
        Move(1, 3);
        QCOMPARE(Course.StepCount, 2);
    }

    void mutedEffectsAreStillAskedFor()
    {
        Course.MuteSounds = true;
        Move(1, 2);
        QVERIFY(!effects.muted.empty());
        QVERIFY(std::ranges::all_of(effects.muted, [](bool muted) { return muted; }));
    }
};

QTEST_APPLESS_MAIN(GameCourseTest)

#include "game_course_test.moc"
