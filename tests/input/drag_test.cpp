// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "ui/main_window_view.h"

namespace {
QWindow* Window()
{
    return NativeWindowOf(主窗口);
}

QRect RectOf(const LabelUnit& unit)
{
    return QRect(Get(unit, prop::Left), Get(unit, prop::Top), Get(unit, prop::Width), Get(unit, prop::Height));
}

QString Status(int part)
{
    return dynamic_cast<StatusBarWidget*>(WidgetOf(状态条))->PartText(part);
}

// The centre of a column at the height of the lifted-disk band.
QPoint Column(int peg)
{
    return QPoint((peg - 1) * ColumnWidth + ColumnWidth / 2, Get(PegLabel(peg), prop::Top) / 2);
}

void Press(const LabelUnit& disk)
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
        StartGame(3, 5, 1);
    }

    void aNewGameShowsItsStatus()
    {
        QCOMPARE(Status(0), QStringLiteral("0 秒"));
        QCOMPARE(Status(1), QStringLiteral("0 步"));
        QCOMPARE(Status(2), QStringLiteral("游戏初始完毕..第一次选择盘片进行移动时将开始计时.."));
        TogglePause();
        QCOMPARE(Get(标签暂停, prop::Visible), false);
    }

    void pressingTheBottomDiskLiftsTheTopOne()
    {
        Press(DiskLabel(5));
        QVERIFY(Course.Lift.DragActive);
        QCOMPARE(Course.Lift.LiftedDisk, 1);
        QCOMPARE(Get(DiskLabel(1), prop::Top), DragTop);
        QCOMPARE(DragTop, int(Get(PegLabel(1), prop::Top) / 2.0 - Get(DiskLabel(1), prop::Height) / 2.0));
        QTest::mouseRelease(Window(), Qt::LeftButton, {}, RectOf(DiskLabel(5)).center());
    }

    void theLiftedDiskFollowsTheCursorSidewaysAndTheTipNamesThePegs()
    {
        StartGame(4, 3, 1);
        Press(DiskLabel(1));
        const LabelUnit disk = DiskLabel(1);
        for (const int x : {ColumnWidth + 10, ColumnWidth + 30, 3 * ColumnWidth + 5}) {
            QTest::mouseMove(Window(), QPoint(x, 300));
            const QRect rect = RectOf(disk);
            QCOMPARE(rect.top(), DragTop);
            QCOMPARE(rect.left(), int(x - rect.width() * 0.5));
            QCOMPARE(Status(2), QStringLiteral("从 A 到 %1").arg(x < 2 * ColumnWidth ? "B" : "D"));
        }
        QTest::mouseRelease(Window(), Qt::LeftButton, {}, QPoint(3 * ColumnWidth + 5, 300));
    }

    void releasingBesideTheColumnsMovesNothing()
    {
        const QRect before = RectOf(DiskLabel(1));
        for (const QPoint outside : {QPoint(-20, 100), QPoint(ClientWidth(主窗口) + 20, 100)}) {
            Press(DiskLabel(1));
            QTest::mouseMove(Window(), outside);
            QTest::mouseRelease(Window(), Qt::LeftButton, {}, outside);
            QCOMPARE(RectOf(DiskLabel(1)), before);
            QCOMPARE(Course.StepCount, 0);
        }
    }

    void theMoveRecordListsTheLegalMoves()
    {
        StartGame(4, 3, 2);
        Move(2, 1);
        Move(2, 4);
        Move(1, 4);
        QCOMPARE(QString::fromStdString(Course.MoveRecord), QStringLiteral("B→A\r\nB→D\r\nA→D"));
        QCOMPARE(Course.StepCount, 3);
        QCOMPARE(Status(1), QStringLiteral("3 步"));
    }

    void pauseCoversTheBoardAndAPressContinues()
    {
        Move(1, 2);
        QTRY_VERIFY_WITH_TIMEOUT(Course.ElapsedSeconds >= 1, 3000);
        TogglePause();
        const int paused = Course.ElapsedSeconds;
        QCOMPARE(Get(GameClock, prop::Interval), 0);
        QCOMPARE(RectOf(标签暂停), QRect(0, 0, ClientWidth(主窗口), ClientHeight(主窗口) - 20));
        QCOMPARE(Get(菜单暂停, prop::MenuChecked), true);
        QTest::mousePress(Window(), Qt::LeftButton, {}, QPoint(50, 50));
        QVERIFY(!Get(标签暂停, prop::Visible));
        QCOMPARE(Get(GameClock, prop::Interval), 1000);
        QCOMPARE(Course.ElapsedSeconds, paused);
    }

    void aNewGameEndsADrag()
    {
        Press(DiskLabel(1));
        NewGame(new_game::Redraw);
        QVERIFY(!Course.Lift.DragActive);
        QTest::mouseRelease(Window(), Qt::LeftButton, {}, Column(2));
        for (int k = 1; k <= 5; ++k)
            QVERIFY(IsOccupied(Pegs[1].Slots[k]));
    }
};

WINDOW_TEST_MAIN(DragTest)
#include "drag_test.moc"
