// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "platform/controls/message_box.h"
#include "platform/units/event_loop.h"
#include "platform/units/test_window.h"

namespace {
struct Shown {
    QString title;
    QString text;
    QStringList buttons;
    QString defaultButton;
};

// Answers the next message box by pressing the button with the given caption
// (or closing it when the caption is empty), remembering what it showed.
void AnswerNextBox(Shown& shown, QMessageBox::StandardButton press)
{
    QTimer::singleShot(0, [&shown, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            AnswerNextBox(shown, press);
            return;
        }
        shown.title = box->windowTitle();
        shown.text = box->text();
        for (QAbstractButton* button : box->buttons())
            shown.buttons << button->text();
        if (box->defaultButton())
            shown.defaultButton = box->defaultButton()->text();
        if (press == QMessageBox::NoButton)
            box->reject();
        else
            box->button(press)->click();
    });
}
}  // namespace

class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        RegisterWindowTemplate(AnchorWindow());
        RegisterWindowTemplate(TestWindow());
        QVERIFY(LoadWindow(锚窗口));
    }

    void buttonsMapToTheirCodes_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("press");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("buttonCount");
        QTest::newRow("ok") << mb::Ok << int(QMessageBox::Ok) << mb_result::Ok << 1;
        QTest::newRow("ok cancel: ok") << (mb::OkCancel | mb::IconQuestion) << int(QMessageBox::Ok) << mb_result::Ok
                                       << 2;
        QTest::newRow("ok cancel: cancel") << mb::OkCancel << int(QMessageBox::Cancel) << mb_result::Cancel << 2;
        QTest::newRow("closed with a cancel button")
            << mb::OkCancel << int(QMessageBox::NoButton) << mb_result::Cancel << 2;
    }

    void buttonsMapToTheirCodes()
    {
        QFETCH(int, flags);
        QFETCH(int, press);
        QFETCH(int, result);
        QFETCH(int, buttonCount);
        Shown shown;
        AnswerNextBox(shown, QMessageBox::StandardButton(press));
        QCOMPARE(ShowMessage("要继续吗？", flags), result);
        QCOMPARE(shown.buttons.size(), buttonCount);
    }

    void standardButtonsReadChinese_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("ok cancel") << mb::OkCancel << QStringList{"确定", "取消"};
        QTest::newRow("ok") << mb::Ok << QStringList{"确定"};
    }

    void standardButtonsReadChinese()
    {
        QFETCH(int, flags);
        QFETCH(QStringList, buttons);
        Shown shown;
        AnswerNextBox(shown, QMessageBox::NoButton);
        ShowMessage("点击确定", flags);
        // Without keyboard mnemonics, where a translation gives them: "取消(&C)" reads "取消".
        for (QString& caption : shown.buttons)
            caption.remove(QRegularExpression("\\(&\\w\\)|&"));
        shown.buttons.sort();
        buttons.sort();
        QCOMPARE(shown.buttons, buttons);
    }

    void theWindowActiveBeforeTheBoxIsActiveAgainAfterIt()
    {
        QVERIFY(LoadWindow(测试窗口));
        QWidget* window = WidgetOf(测试窗口);
        QVERIFY(QTest::qWaitForWindowActive(window));
        Shown shown;
        AnswerNextBox(shown, QMessageBox::Ok);
        ShowMessage("必看");
        QTRY_COMPARE(QApplication::activeWindow(), window);
        DestroyUnit(测试窗口);
        QTRY_VERIFY(!UnitExists(测试窗口));
    }

    void theDefaultTitleAndLineBreaks()
    {
        Shown shown;
        AnswerNextBox(shown, QMessageBox::Ok);
        ShowMessage("第一行\r\n第二行");
        QCOMPARE(shown.title, QStringLiteral("信息："));
        QCOMPARE(shown.text, QStringLiteral("第一行\n第二行"));
        AnswerNextBox(shown, QMessageBox::Ok);
        ShowMessage("x", mb::Ok, "错误");
        QCOMPARE(shown.title, QStringLiteral("错误"));
    }

    void theSecondButtonCanBeTheDefault()
    {
        Shown shown;
        AnswerNextBox(shown, QMessageBox::Cancel);
        QCOMPARE(ShowMessage("?", mb::OkCancel | mb::DefaultButton2), mb_result::Cancel);
        QCOMPARE(shown.defaultButton, shown.buttons.value(1));
    }
};

WINDOW_TEST_MAIN(MessageBoxTest)

#include "message_box_test.moc"
