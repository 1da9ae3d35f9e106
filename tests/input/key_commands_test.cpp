// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include "answer_message.h"
#include "core/board.h"
#include "core/game_flow.h"
#include "core/game_settings.h"
#include "input/key_commands.h"
#include "media/sound_effects.h"
#include "render/scene_builder.h"
#include "ui/main_window_fixture.h"
#include "ui/move_record_window.h"

namespace {
// A new game shows up as a fresh set of disk labels.
UnitRef FirstDisk()
{
    return DiskLabel(1);
}

void Key(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(NativeWindowOf(主窗口), key, modifiers);
}
}  // namespace

class KeyCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(OpenMainWindowShown()); }

    void init()
    {
        ReverseMode = false;
        Set(菜单逆向模式, prop::MenuChecked, false);
    }

    void keysChangeTheBoard_data()
    {
        QTest::addColumn<int>("pegs");
        QTest::addColumn<int>("disks");
        QTest::addColumn<int>("mainPeg");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("newPegs");
        QTest::addColumn<int>("newDisks");
        QTest::addColumn<int>("newMain");
        QTest::addColumn<bool>("newGame");
        const int keypad = Qt::KeypadModifier;
        QTest::newRow("ctrl keypad - at 3 disks")
            << 3 << 3 << 1 << int(Qt::Key_Minus) << (int(Qt::ControlModifier) | keypad) << 3 << 3 << 1 << true;
        QTest::newRow("ctrl main -") << 3 << 5 << 1 << int(Qt::Key_Minus) << int(Qt::ControlModifier) << 3 << 4 << 1
                                     << true;
        QTest::newRow("ctrl keypad +") << 3 << 5 << 1 << int(Qt::Key_Plus) << (int(Qt::ControlModifier) | keypad) << 3
                                       << 6 << 1 << true;
        QTest::newRow("ctrl main + does nothing")
            << 3 << 5 << 1 << int(Qt::Key_Plus) << int(Qt::ControlModifier) << 3 << 5 << 1 << false;
        QTest::newRow("alt - from peg 1 of 5")
            << 5 << 3 << 1 << int(Qt::Key_Minus) << int(Qt::AltModifier) << 5 << 3 << 3 << true;
        QTest::newRow("alt keypad + from the last peg")
            << 4 << 3 << 4 << int(Qt::Key_Plus) << (int(Qt::AltModifier) | keypad) << 4 << 3 << 2 << true;
        QTest::newRow("shift - with the main peg last")
            << 4 << 3 << 4 << int(Qt::Key_Minus) << int(Qt::ShiftModifier) << 3 << 3 << 2 << true;
        QTest::newRow("shift keypad + at the most pegs")
            << 111 << 3 << 1 << int(Qt::Key_Plus) << (int(Qt::ShiftModifier) | keypad) << 111 << 3 << 1 << true;
        QTest::newRow("ctrl keypad + at the most disks")
            << 3 << 999 << 1 << int(Qt::Key_Plus) << (int(Qt::ControlModifier) | keypad) << 3 << 999 << 1 << true;
        QTest::newRow("keypad + alone does nothing")
            << 3 << 5 << 1 << int(Qt::Key_Plus) << keypad << 3 << 5 << 1 << false;
        QTest::newRow("two modifiers do nothing")
            << 3 << 5 << 1 << int(Qt::Key_Minus) << int(Qt::ControlModifier | Qt::ShiftModifier) << 3 << 5 << 1
            << false;
        QTest::newRow("shift enter") << 3 << 5 << 1 << int(Qt::Key_Return) << int(Qt::ShiftModifier) << 3 << 5 << 1
                                     << true;
        QTest::newRow("alt enter") << 3 << 5 << 1 << int(Qt::Key_Return) << int(Qt::AltModifier) << 3 << 5 << 1 << true;
        QTest::newRow("ctrl enter changes nothing")
            << 3 << 5 << 1 << int(Qt::Key_Return) << int(Qt::ControlModifier) << 3 << 5 << 1 << false;
    }

    void keysChangeTheBoard()
    {
        QFETCH(int, pegs);
        QFETCH(int, disks);
        QFETCH(int, mainPeg);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, newGame);
        StartGame(pegs, disks, mainPeg);
        const UnitRef before = FirstDisk();
        Key(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTEST(GameSettings.PegCount, "newPegs");
        QTEST(GameSettings.DiskCount, "newDisks");
        QTEST(GameSettings.MainPeg, "newMain");
        QCOMPARE(FirstDisk() != before, newGame);
    }

    void ctrlSpacePausesLikeSpace()
    {
        StartGame(3, 3, 1);
        // As after the clock's first tick.
        Course.ElapsedSeconds = 1;
        Course.ClockRunning = true;
        Key(Qt::Key_Space, Qt::ControlModifier);
        QCOMPARE(Get(标签暂停, prop::Visible), true);
        Key(Qt::Key_Space, Qt::NoModifier);
        QCOMPARE(Get(标签暂停, prop::Visible), false);
    }

    void cancellingReverseModeKeepsTheGame()
    {
        StartGame(3, 3, 1);
        const UnitRef before = FirstDisk();
        QString shown;
        Answer(QMessageBox::Cancel, &shown);
        SwitchReverseMode();
        QCOMPARE(
            shown,
            QStringLiteral(
                "信息：|逆向模式，则盘片上到下的顺序是大到小，否则是小到大\n\n点击确定，将应用本设置并开始新游戏！"));
        QCOMPARE(FirstDisk(), before);
        QCOMPARE(Get(菜单逆向模式, prop::MenuChecked), false);
        QVERIFY(!ReverseMode);
        Answer(QMessageBox::Ok);
        SwitchReverseMode();
        QVERIFY(ReverseMode);
        QCOMPARE(Get(菜单逆向模式, prop::MenuChecked), true);
        QVERIFY(FirstDisk() != before);
        QCOMPARE(TopDisk(1), 3);
    }

    void menuChecksToggle()
    {
        const bool mute = Course.MuteSounds;
        ToggleOption(Course.MuteSounds, 菜单静音);
        QCOMPARE(Get(菜单静音, prop::MenuChecked), !mute);
        QCOMPARE(Course.MuteSounds, !mute);
        ToggleOption(Course.MuteSounds, 菜单静音);
    }

    void theMoveRecordWindowShowsASnapshot()
    {
        Course.MoveRecord.clear();
        OpenMoveRecordWindow();
        QVERIFY(UnitExists(走法窗口));
        QCOMPARE(Get(编辑框走法, prop::Content), std::string());
        DestroyUnit(走法窗口);
        QTRY_VERIFY(!UnitExists(走法窗口));

        Course.MoveRecord = "B→A\r\nB→D\r\nA→D";
        OpenMoveRecordWindow();
        QCOMPARE(Get(编辑框走法, prop::Content), Course.MoveRecord);
        auto* editor = WidgetOf(编辑框走法)->findChild<QTextEdit*>();
        QVERIFY(editor->isReadOnly());
        QCOMPARE(editor->document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(Get(走法窗口, prop::Title), std::string("当前的走法记录："));
        // A move made while it is open does not appear; opening again only raises it.
        Course.MoveRecord += "\r\nD→C";
        QWidget* window = WidgetOf(走法窗口);
        OpenMoveRecordWindow();
        QCOMPARE(WidgetOf(走法窗口), window);
        QCOMPARE(Get(编辑框走法, prop::Content), std::string("B→A\r\nB→D\r\nA→D"));
        DestroyUnit(走法窗口);
        QTRY_VERIFY(!UnitExists(走法窗口));
    }

    void cancellingRestoreDefaultsLeavesEverything()
    {
        QString shown;
        Answer(QMessageBox::Cancel, &shown);
        RestoreDefaults();
        QCOMPARE(shown, QStringLiteral("信息：|您确定要恢复初始参数并开始新游戏吗？"));
        QVERIFY(UnitExists(主窗口));
    }
};

WINDOW_TEST_MAIN(KeyCommandsTest)
#include "key_commands_test.moc"
