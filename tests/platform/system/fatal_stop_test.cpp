// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QProcess>
#include <QTest>

#include "platform/system/fatal.h"

class FatalStopTest : public QObject {
    Q_OBJECT

private slots:
    void theTextNamesNumberAndMessage()
    {
        QCOMPARE(FatalStopText(1, "数组成员引用下标超出定义范围"),
                 std::string("运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n"));
        QCOMPARE(FatalStopText(fault::NoNumber, "不能求余数于零"),
                 std::string("运行时出错!\r\n\r\n错误信息：不能求余数于零\r\n"));
        QCOMPARE(FatalStopText(fault::NoNumber, ""), std::string("运行时出错!\r\n\r\n"));
    }

    void faultsEndTheProgramThroughTheFatalStop_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("shown");
        QTest::newRow("index above the size") << "index-above"
                                              << "错误代码：1\n\n错误信息：数组成员引用下标超出定义范围";
        QTest::newRow("items past the size") << "span-above"
                                             << "错误代码：1\n\n错误信息：数组成员引用下标超出定义范围";
        QTest::newRow("index below one") << "index-below"
                                         << "错误代码：4\n\n错误信息：数组成员引用下标必须大于等于1";
        QTest::newRow("remainder by zero") << "remainder-by-zero"
                                           << "错误信息：不能求余数于零";
        QTest::newRow("remainder by zero in a chain") << "remainder-by-zero-in-a-chain"
                                                      << "错误信息：不能求余数于零";
        QTest::newRow("unit of another kind") << "wrong-kind"
                                              << "错误代码：5\n\n错误信息：数据或数组类型不匹配";
        QTest::newRow("window not loaded") << "unloaded-window"
                                           << "错误信息：未载入欲访问窗口组件所在的窗口";
        QTest::newRow("own property of no unit") << "missing-unit"
                                                 << "错误信息：指定窗口尚未载入";
        QTest::newRow("event unit outside a handler") << "event-unit"
                                                      << "错误信息：“取事件组件”命令只能在事件处理子程序中使用";
    }

    void faultsEndTheProgramThroughTheFatalStop()
    {
        QFETCH(QString, fault);
        QFETCH(QString, shown);
        QProcess child;
        child.start(QCoreApplication::applicationDirPath() + "/fatal_child", {fault});
        QVERIFY(child.waitForFinished(20000));
        const QString output = QString::fromUtf8(child.readAllStandardOutput());
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 255);
        QVERIFY2(output.startsWith("错误|运行时出错!\n\n"), qPrintable(output));
        QVERIFY2(output.contains(shown), qPrintable(output));
    }

    void withoutAFaultTheChildEndsNormally()
    {
        QProcess child;
        child.start(QCoreApplication::applicationDirPath() + "/fatal_child", {"none"});
        QVERIFY(child.waitForFinished(20000));
        QCOMPARE(child.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(FatalStopTest)
#include "fatal_stop_test.moc"
