#include <QTest>

#include "core/board.h"
#include "core/game_flow.h"
#include "core/game_settings.h"
#include "input/drag.h"
#include "media/sound_effects.h"
#include "platform/controls/status_bar_widget.h"
#include "render/layout.h"
#include "render/scene_builder.h"
#include "ui/main_window_fixture.h"

namespace {
QWindow* Window()
{
    return NativeWindowOf(主窗口);
}

QRect RectOf(const UnitRef& unit)
{
    return QRect(GetInt(unit, prop::Left), GetInt(unit, prop::Top), GetInt(unit, prop::Width),
                 GetInt(unit, prop::Height));
}

QString Status(int part)
{
    return dynamic_cast<StatusBarWidget*>(WidgetOf(状态条))->PartText(part);
}

// The centre of a column at the height of the lifted-disk band.
QPoint Column(int peg)
{
    return QPoint((peg - 1) * ColumnWidth + ColumnWidth / 2, GetInt(PegLabel(peg), prop::Top) / 2);
}

void Press(const UnitRef& disk)
{
    QTest::mousePress(Window(), Qt::LeftButton, {}, RectOf(disk).center());
}

// Lifts the top disk of one peg and drops it on another, by real mouse events.
void Move(int from, int to)
{
    const int top = TopDisk(from);
    QVERIFY(top != 0);
    Press(DiskLabel(top));
    QTest::mouseMove(Window(), Column(to));
    QTest::mouseRelease(Window(), Qt::LeftButton, {}, Column(to));
}

}  // namespace

class DragTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(OpenMainWindowShown()); }

    void init()
    {
        ReverseMode = false;
        SetInt(菜单正确放下方计一步, prop::MenuChecked, 1);
        StartGame(3, 5, 1);
    }

    void aNewGameShowsItsStatus()
    {
        QCOMPARE(Status(0), QStringLiteral("0 秒"));
        QCOMPARE(Status(1), QStringLiteral("0 步"));
        QCOMPARE(Status(2), QStringLiteral("游戏初始完毕..第一次选择盘片进行移动时将开始计时.."));
        TogglePause();
        QCOMPARE(GetInt(标签暂停, prop::Visible), 0);
    }

    void pressingTheBottomDiskLiftsTheTopOne()
    {
        Press(DiskLabel(5));
        QVERIFY(DragActive);
        QCOMPARE(LiftedDisk, 1);
        QCOMPARE(GetInt(DiskLabel(1), prop::Top), DragTop);
        QCOMPARE(DragTop, int(GetInt(PegLabel(1), prop::Top) / 2.0 - GetInt(DiskLabel(1), prop::Height) / 2.0));
        QTest::mouseRelease(Window(), Qt::LeftButton, {}, RectOf(DiskLabel(5)).center());
    }

    void theLiftedDiskFollowsTheCursorSidewaysAndTheTipNamesThePegs()
    {
        StartGame(4, 3, 1);
        Press(DiskLabel(1));
        const UnitRef disk = DiskLabel(1);
        for (const int x : {ColumnWidth + 10, ColumnWidth + 30, 3 * ColumnWidth + 5}) {
            QTest::mouseMove(Window(), QPoint(x, 300));
            const QRect rect = RectOf(disk);
            QCOMPARE(rect.top(), DragTop);
            QCOMPARE(rect.left(), int(x - rect.width() * 0.5));
            QCOMPARE(Status(2), QStringLiteral("从 A 到 %1").arg(x < 2 * ColumnWidth ? "B" : "D"));
        }
        QTest::mouseRelease(Window(), Qt::LeftButton, {}, QPoint(3 * ColumnWidth + 5, 300));
    }

    void releasingOverTheSourcePutsTheDiskBack()
    {
        Move(1, 2);
        const std::string record = MoveRecord;
        Move(2, 2);
        QCOMPARE(Status(2), QStringLiteral("原地放下..."));
        QCOMPARE(MoveRecord, record);
        QCOMPARE(TopDisk(2), 1);
        QCOMPARE(RecordedEffects().Effects().back(), Effect::InPlace);
    }

    void puttingBackTheTopOfTheFullMainPegIsASpinInPlace()
    {
        Move(1, 1);
        QCOMPARE(Status(2), QStringLiteral("您 出色 地完成了原地打转！= ="));
        QCOMPARE(RecordedEffects().Effects().back(), Effect::SpinInPlace);
        QVERIFY(MoveRecord.empty());
        QCOMPARE(StepCount, 0);
    }

    void releasingBesideTheColumnsMovesNothing()
    {
        const QRect before = RectOf(DiskLabel(1));
        for (const QPoint outside : {QPoint(-20, 100), QPoint(ClientWidth(主窗口) + 20, 100)}) {
            Press(DiskLabel(1));
            QTest::mouseMove(Window(), outside);
            QTest::mouseRelease(Window(), Qt::LeftButton, {}, outside);
            QCOMPARE(RectOf(DiskLabel(1)), before);
            QCOMPARE(StepCount, 0);
        }
    }

    void theMoveRecordListsTheLegalMoves()
    {
        StartGame(4, 3, 2);
        Move(2, 1);
        Move(2, 4);
        Move(1, 4);
        QCOMPARE(QString::fromStdString(MoveRecord), QStringLiteral("B→A\r\nB→D\r\nA→D"));
        QCOMPARE(StepCount, 3);
        QCOMPARE(Status(1), QStringLiteral("3 步"));
    }

    void refusedDropsCountOnlyWhenAsked()
    {
        Move(1, 2);  // disk 1 on B
        Move(1, 2);  // disk 2 refused on B
        QCOMPARE(Status(2), QStringLiteral("长的盘片不能放在短的盘片上面"));
        QCOMPARE(StepCount, 1);
        SetInt(菜单正确放下方计一步, prop::MenuChecked, 0);
        Move(1, 2);
        QCOMPARE(StepCount, 2);
        Move(2, 2);  // put back in place off the main peg
        QCOMPARE(StepCount, 3);
        Move(2, 1);  // a legal drop onto the main peg never counts
        QCOMPARE(StepCount, 3);
    }

    void reverseModeRefusesShortOnLong()
    {
        ReverseMode = true;
        StartGame(3, 3, 1);
        Move(1, 2);  // disk 3 on B
        Move(1, 2);  // disk 2 refused
        QCOMPARE(Status(2), QStringLiteral("当前是逆向模式，因此：短的盘片不能放在长的盘片上面"));
        QCOMPARE(TopDisk(2), 3);
    }

    void completingATransferStartsTheNextLevel()
    {
        StartGame(3, 3, 1);
        for (const auto& [from, to] : {std::pair{1, 3}, {1, 2}, {3, 2}, {1, 3}, {2, 1}, {2, 3}, {1, 3}}) {
            Move(from, to);
        }
        QCOMPARE(GameSettings.DiskCount, 4);
        QCOMPARE(Pegs[1].Slots.Size(), 4);
        QVERIFY(IsPegFull(1));
        // Seven moves, one of them onto the main peg, which never counts.
        QCOMPARE(Status(1), QStringLiteral("6 步"));
        QCOMPARE(Status(2), QStringLiteral("游戏初始完毕..第一次选择盘片进行移动时将开始计时.."));
        const std::vector<Effect> effects = RecordedEffects().Effects();
        QCOMPARE(effects.back(), Effect::Win3);
        QCOMPARE(StepCount, 0);
        // The finished game's moves stay readable until the next game's first lift.
        QCOMPARE(QString::fromStdString(MoveRecord).count("\r\n"), 6);
        Move(1, 2);
        QCOMPARE(QString::fromStdString(MoveRecord), QStringLiteral("A→B"));
    }

    void pauseCoversTheBoardAndAPressContinues()
    {
        Move(1, 2);
        QTRY_VERIFY_WITH_TIMEOUT(ElapsedSeconds >= 1, 3000);
        TogglePause();
        const int paused = ElapsedSeconds;
        QCOMPARE(GetInt(GameClock, prop::Interval), 0);
        QCOMPARE(RectOf(标签暂停), QRect(0, 0, ClientWidth(主窗口), ClientHeight(主窗口) - 20));
        QCOMPARE(GetInt(菜单暂停, prop::MenuChecked), 1);
        QTest::mousePress(Window(), Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(GetInt(标签暂停, prop::Visible), 0);
        QCOMPARE(GetInt(GameClock, prop::Interval), 1000);
        QCOMPARE(ElapsedSeconds, paused);
    }

    void theClockStartsOncePerGame()
    {
        Move(1, 2);
        Move(1, 3);  // within the first second: the first move stays recorded
        QCOMPARE(QString::fromStdString(MoveRecord), QStringLiteral("A→B\r\nA→C"));
        const std::vector<Effect> effects = RecordedEffects().Effects();
        const std::vector<Effect> lastFive(effects.end() - 5, effects.end());
        QCOMPARE(lastFive, (std::vector<Effect>{Effect::ClockStart, Effect::PickUp, Effect::CorrectDrop, Effect::PickUp,
                                                Effect::CorrectDrop}));
        QCOMPARE(GetInt(GameClock, prop::Interval), 1000);
    }

    void aNewGameEndsADrag()
    {
        Press(DiskLabel(1));
        NewGame(new_game::Redraw);
        QVERIFY(!DragActive);
        QTest::mouseRelease(Window(), Qt::LeftButton, {}, Column(2));
        for (int k = 1; k <= 5; ++k)
            QVERIFY(IsOccupied(Pegs[1].Slots[k]));
    }
};

WINDOW_TEST_MAIN(DragTest)
#include "drag_test.moc"
