// SPDX-License-Identifier: GPL-3.0-or-later
#include <QKeyEvent>
#include <QTest>

#include "platform/windows/virtual_keys.h"

// The game's key codes: from the physical key where the window system names
// it, so that what the modifiers or NumLock make of a key changes nothing.
class VirtualKeysTest : public QObject {
    Q_OBJECT

private slots:
    void physicalKeys_data()
    {
        QTest::addColumn<quint32>("keyCode");
        QTest::addColumn<int>("code");
        QTest::newRow("main minus (and underscore)") << 20u << 189;
        QTest::newRow("main equals (and plus)") << 21u << 187;
        QTest::newRow("keypad minus") << 82u << 189;
        QTest::newRow("keypad plus") << 86u << 107;
        QTest::newRow("keypad 7 (or Home)") << 79u << int('7');
        QTest::newRow("keypad 0 (or Insert)") << 90u << int('0');
        QTest::newRow("keypad point (or Delete)") << 91u << 190;
        QTest::newRow("keypad slash") << 106u << 191;
        QTest::newRow("keypad Enter") << 104u << 13;
        QTest::newRow("Enter") << 36u << 13;
        QTest::newRow("Space") << 65u << 32;
        QTest::newRow("F1") << 67u << 112;
        QTest::newRow("main 1 (or !)") << 10u << int('1');
        QTest::newRow("a letter: by the layout") << 38u << 0;
        QTest::newRow("no key code") << 0u << 0;
    }

    void physicalKeys()
    {
        QFETCH(quint32, keyCode);
        QFETCH(int, code);
        QCOMPARE(VirtualKeyOfKeyCode(keyCode), code);
    }

    void qtKeysWhereNoPhysicalKeyIsNamed_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<int>("code");
        QTest::newRow("minus") << int(Qt::Key_Minus) << false << 189;
        QTest::newRow("underscore: Shift with minus") << int(Qt::Key_Underscore) << false << 189;
        QTest::newRow("keypad minus") << int(Qt::Key_Minus) << true << 189;
        QTest::newRow("keypad plus") << int(Qt::Key_Plus) << true << 107;
        QTest::newRow("main plus") << int(Qt::Key_Plus) << false << 187;
        QTest::newRow("keypad 5") << int(Qt::Key_5) << true << int('5');
        QTest::newRow("Enter") << int(Qt::Key_Enter) << true << 13;
        QTest::newRow("F1") << int(Qt::Key_F1) << false << 112;
    }

    void qtKeysWhereNoPhysicalKeyIsNamed()
    {
        QFETCH(int, key);
        QFETCH(bool, keypad);
        QFETCH(int, code);
        QCOMPARE(VirtualKeyCode(key, keypad), code);
        const QKeyEvent event(QEvent::KeyPress, key, keypad ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(VirtualKeyCode(event), code);
    }
};

QTEST_MAIN(VirtualKeysTest)
#include "virtual_keys_test.moc"
