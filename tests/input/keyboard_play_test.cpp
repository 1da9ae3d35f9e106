// SPDX-License-Identifier: GPL-3.0-or-later
// Play without a mouse, by real key events on the main window.
#include <QMenu>
#include <QTest>

#include "core/board.h"
#include "core/game_flow.h"
#include "core/game_settings.h"
#include "input/drag.h"
#include "platform/controls/status_bar_widget.h"
#include "render/layout.h"
#include "render/scene_builder.h"
#include "ui/main_window_fixture.h"

namespace {
void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(NativeWindowOf(主窗口), key, modifiers);
}

void Keys(const QString& letters)
{
    for (const QChar letter : letters)
        Key(Qt::Key(Qt::Key_A + (letter.unicode() - 'A')));
}

QString Tip()
{
    return dynamic_cast<StatusBarWidget*>(WidgetOf(状态条))->PartText(2);
}

// The centre of a label, in client coordinates.
QPoint CentreOf(const LabelUnit& label)
{
    return QPoint(Get(label, prop::Left) + Get(label, prop::Width) / 2,
                  Get(label, prop::Top) + Get(label, prop::Height) / 2);
}
}  // namespace

class KeyboardPlayTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(OpenMainWindowShown()); }

    void init()
    {
        ReverseMode = false;
        StartGame(3, 3, 1);
    }

    // Letters name pegs: a lift, then a put-down with the drop's rules, steps and record.
    void lettersLiftAndPutDown()
    {
        Keys("A");
        QVERIFY(Course.Lift.DragActive);
        const LabelUnit disk = DiskLabel(1);
        QCOMPARE(Get(disk, prop::Top), DragTop);
        QCOMPARE(CentreOf(disk).x(), ColumnWidth / 2);
        Keys("C");
        QCOMPARE(TopDisk(3), 1);
        QCOMPARE(Tip(), QStringLiteral("放下正确，继续..."));
        Keys("AC");  // disk 2 refused on disk 1
        QCOMPARE(Tip(), QStringLiteral("长的盘片不能放在短的盘片上面"));
        QCOMPARE(TopDisk(1), 2);
        Keys("AB");
        QCOMPARE(QString::fromStdString(Course.MoveRecord), QStringLiteral("A→C\r\nA→B"));
        QCOMPARE(Course.StepCount, 2);
        Keys("D");  // no fourth peg
        QVERIFY(!Course.Lift.DragActive);
    }

    void escapePutsAKeyboardLiftBackAndLeavesTheGameOpen()
    {
        Keys("A");
        Key(Qt::Key_Escape);
        QVERIFY(!Course.Lift.DragActive);
        QVERIFY(UnitExists(主窗口));
        QVERIFY(IsPegFull(1));
        QVERIFY(Course.MoveRecord.empty());
        QCOMPARE(Course.StepCount, 0);
    }

    // Arrows reach every peg, beyond the letters too, and carry a lifted disk.
    void arrowsReachEveryPeg()
    {
        StartGame(30, 3, 1);
        QVERIFY(!Get(标签键盘列, prop::Visible));
        Key(Qt::Key_Up);
        QVERIFY(Course.Lift.DragActive);
        QVERIFY(!Get(标签键盘列, prop::Visible));
        for (int i = 0; i < 40; ++i)
            Key(Qt::Key_Right);
        QCOMPARE(Course.KeyboardColumn, 30);
        QCOMPARE(Tip(), QStringLiteral("从 A 到 AD"));
        QCOMPARE(CentreOf(DiskLabel(1)).x() / ColumnWidth, 29);
        Key(Qt::Key_Down);
        QCOMPARE(TopDisk(30), 1);
        QVERIFY(Get(标签键盘列, prop::Visible));
        QCOMPARE(CentreOf(标签键盘列).x() / ColumnWidth, 29);
        Key(Qt::Key_Left);
        QCOMPARE(CentreOf(标签键盘列).x() / ColumnWidth, 28);
    }

    void aPressEndsAKeyboardLift()
    {
        Keys("AB");
        const int restingTop = Get(DiskLabel(2), prop::Top);
        Keys("A");
        QCOMPARE(Get(DiskLabel(2), prop::Top), DragTop);
        QTest::mousePress(NativeWindowOf(主窗口), Qt::LeftButton, {}, CentreOf(DiskLabel(1)));
        QVERIFY(Course.Lift.DragActive);
        QVERIFY(!Course.Lift.ByKeyboard);
        QCOMPARE(Course.Lift.LiftedDisk, 1);
        QCOMPARE(Get(DiskLabel(2), prop::Top), restingTop);
        QTest::mouseRelease(NativeWindowOf(主窗口), Qt::LeftButton, {}, QPoint(ColumnWidth * 5 / 2, 10));
        QCOMPARE(TopDisk(3), 1);
        QCOMPARE(TopDisk(1), 2);
    }

    void shiftF10OpensTheMenuAtTheBoardsCentre()
    {
        Key(Qt::Key_F10, Qt::ShiftModifier);
        QMenu* menu = nullptr;
        QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
        const QPoint centre =
            WidgetOf(主窗口)->mapToGlobal(QPoint(ClientWidth(主窗口) / 2, (ClientHeight(主窗口) - 20) / 2));
        QCOMPARE(menu->pos(), centre);
        menu->close();
    }

    void ctrlHNamesTheNextMoveOfAShortestPlan()
    {
        Keys("AB");
        Key(Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(Tip(), QStringLiteral("提示：从 A 到 C（至少还需 6 步）"));
        QCOMPARE(TopDisk(1), 2);
    }

    // The game plays its plan a move a tick, through the move path, until a key stops it.
    void ctrlDDemonstratesUntilAKey()
    {
        Key(Qt::Key_D, Qt::ControlModifier);
        QTRY_COMPARE_WITH_TIMEOUT(Course.StepCount, 2, 3000);
        Key(Qt::Key_Shift);
        Key(Qt::Key_X);
        const int steps = Course.StepCount;
        QTest::qWait(900);
        QCOMPARE(Course.StepCount, steps);
        QCOMPARE(QString::fromStdString(Course.MoveRecord).left(8), QStringLiteral("A→B\r\nA→C"));
    }

    // Behind the pause cover no key moves a disk, the keyboard column or the
    // tip, nor starts a demonstration.
    void keysDoNothingWhilePaused_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("letters") << QKeySequence("A, C");
        QTest::newRow("arrows") << QKeySequence("Right, Up, Right, Down");
        QTest::newRow("hint") << QKeySequence("Ctrl+H");
        QTest::newRow("demonstration") << QKeySequence("Ctrl+D");
    }

    void keysDoNothingWhilePaused()
    {
        QFETCH(QKeySequence, keys);
        Keys("AB");
        ClockTick();
        Key(Qt::Key_Space);
        QVERIFY(GamePaused());
        const QString tip = Tip();
        QTest::keySequence(NativeWindowOf(主窗口), keys);
        QTest::qWait(900);
        QVERIFY(!Course.Lift.DragActive);
        QCOMPARE(TopDisk(1), 2);
        QCOMPARE(TopDisk(2), 1);
        QCOMPARE(Course.StepCount, 1);
        QCOMPARE(QString::fromStdString(Course.MoveRecord), QStringLiteral("A→B"));
        QCOMPARE(Course.KeyboardColumn, 2);
        QCOMPARE(Tip(), tip);
        Key(Qt::Key_Space);
        QVERIFY(!GamePaused());
    }

    // A pause from the menu, which no key reaches, ends a demonstration.
    void aPauseEndsADemonstration()
    {
        Key(Qt::Key_D, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(Course.ElapsedSeconds > 0, 3000);
        TogglePause();
        const int steps = Course.StepCount;
        QTest::qWait(900);
        QCOMPARE(Course.StepCount, steps);
        TogglePause();
        QTest::qWait(900);
        QCOMPARE(Course.StepCount, steps);
    }
};

WINDOW_TEST_MAIN(KeyboardPlayTest)
#include "keyboard_play_test.moc"
