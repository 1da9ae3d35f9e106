// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QScreen>
#include <QTest>

#include "platform/controls/status_bar_widget.h"
#include "platform/files/profile.h"
#include "platform/units/event_loop.h"
#include "platform/units/test_window.h"
#include "render/scene_builder.h"
#include "settings/settings_dialog_units.h"
#include "settings/window_placement.h"
#include "ui/about_window_template.h"
#include "ui/main_window.h"
#include "ui/main_window_fixture.h"
#include "ui/main_window_template.h"
#include "ui/settings_dialog_template.h"

namespace {
Rect OuterRect()
{
    return {Get(主窗口, prop::Left), Get(主窗口, prop::Top), Get(主窗口, prop::Width), Get(主窗口, prop::Height)};
}

QMenu* OpenContextMenu(QPoint at)
{
    QTest::mousePress(NativeWindowOf(主窗口), Qt::RightButton, {}, at);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

void DoubleClickBackground()
{
    QTest::mouseDClick(NativeWindowOf(主窗口), Qt::LeftButton, {}, QPoint(30, 30));
}

// The main window's place as the settings file holds it.
Rect StoredPlace()
{
    const auto number = [](const char* key) {
        return std::stoi(ReadProfileText(TestSettingsPath(), "主窗口", key, "-1"));
    };
    return {number("左边"), number("顶边"), number("宽度"), number("高度")};
}
}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(OpenAnchorWindow()); }

    void init()
    {
        QVERIFY(LoadWindow(主窗口));
        QVERIFY(QTest::qWaitForWindowExposed(WidgetOf(主窗口)));
    }

    void cleanup()
    {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        DestroyUnit(主窗口);
        QTRY_VERIFY(!UnitExists(主窗口));
    }

    void opensCentredAtItsTemplateSize()
    {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const Rect rect = OuterRect();
        QCOMPARE(rect.width, 619);
        QCOMPARE(rect.height, 434);
        QCOMPARE(rect.left, (screen.width() - 619) / 2);
        QCOMPARE(rect.top, (screen.height() - 434) / 2);
        QCOMPARE(Get(主窗口, prop::Title).rfind("Korvel·汉诺塔(Torvane) v2.0 - ", 0), 0u);
        QCOMPARE(Get(主窗口, prop::WindowBorder), window_border::Resizable);
    }

    void showsItsBackgroundPictureStretched()
    {
        const QImage shot = WidgetOf(主窗口)->grab().toImage();
        // A picture, not a plain fill: the sky at the top differs from the hills below.
        QVERIFY(shot.pixel(300, 10) != shot.pixel(300, 380));
        QVERIFY(shot.pixel(300, 10) != WidgetOf(主窗口)->palette().color(QPalette::Window).rgb());
    }

    void hasItsUnitsInTemplateOrder()
    {
        const std::int32_t list = FindUnits(主窗口);
        const std::vector<UnitRef> expected = {画板1, 标签暂停, 标签键盘列, 标签横, 标签柱, 标签基, 状态条};
        // The template's units come first, then the board's clones: 3 pegs and 5 disks.
        QCOMPARE(UnitListCount(list), std::int32_t(expected.size()) + 3 + 5);
        for (std::size_t i = 0; i < expected.size(); ++i)
            QCOMPARE(UnitListItem(list, std::int32_t(i)), expected[i]);
        QCOMPARE(Get(画板1, prop::Visible), false);
        for (const LabelUnit& hidden : {标签暂停, 标签键盘列, 标签横, 标签柱})
            QCOMPARE(Get(hidden, prop::Visible), false);
        QCOMPARE(Get(标签基, prop::Visible), true);
        QCOMPARE(Get(标签柱, prop::Disabled), true);
        QCOMPARE(Get(时钟耗费时间, prop::Interval), 0);
        // The cover is in front of the disks, the disks in front of the pegs, the pegs in front of the base.
        const QObjectList& stack = WidgetOf(主窗口)->children();
        QVERIFY(stack.indexOf(WidgetOf(标签暂停)) > stack.indexOf(WidgetOf(标签横)));
        QVERIFY(stack.indexOf(WidgetOf(标签横)) > stack.indexOf(WidgetOf(标签柱)));
        QVERIFY(stack.indexOf(WidgetOf(标签柱)) > stack.indexOf(WidgetOf(标签基)));
    }

    // A window paints its labels under its other controls: no label of the
    // game's windows lies in front of a control it overlaps, where that would
    // differ from the template's stacking, earliest in front.
    void noLabelLiesInFrontOfAControlItOverlaps()
    {
        for (const WindowTemplate* window :
             {&MainWindowTemplate(), &SettingsDialogTemplate(), &AboutWindowTemplate()}) {
            const std::vector<UnitTemplate>& units = window->units;
            for (std::size_t front = 0; front < units.size(); ++front) {
                for (std::size_t back = front + 1; back < units.size(); ++back) {
                    const Rect& a = units[front].rect;
                    const Rect& b = units[back].rect;
                    const bool overlap = a.left < b.left + b.width && b.left < a.left + a.width &&
                                         a.top < b.top + b.height && b.top < a.top + a.height;
                    QVERIFY2(!overlap || units[front].kind != UnitKind::Label || units[back].kind == UnitKind::Label,
                             units[front].name.c_str());
                }
            }
        }
    }

    // The board's spoken names are written only while a screen reader listens,
    // and written at once when one starts to.
    void aScreenReaderThatStartsLaterFindsTheBoardDescribed()
    {
        QVERIFY(!QAccessible::isActive());
        QCOMPARE(WidgetOf(DiskLabel(1))->accessibleName(), WidgetOf(标签横)->accessibleName());
        QAccessible::setActive(true);
        const QString named = WidgetOf(DiskLabel(1))->accessibleName();
        QAccessible::setActive(false);
        // A new game stacks every disk on the main peg.
        QCOMPARE(named, QString::fromUtf8("1 号盘，在 %1 柱").arg(QChar('A' + GameSettings.MainPeg - 1)));
    }

    void hasAThreePartStatusBarAlongTheBottom()
    {
        auto* bar = dynamic_cast<StatusBarWidget*>(WidgetOf(状态条));
        QVERIFY(bar);
        QCOMPARE(bar->PartCount(), 3);
        QCOMPARE(bar->geometry(), QRect(0, ClientHeight(主窗口) - 20, ClientWidth(主窗口), 20));
        QCOMPARE(bar->PartRect(0).width(), 100);
        QCOMPARE(bar->PartRect(1).width(), 50);
    }

    void aRightPressOnTheBackgroundOpensTheMenuBesideTheCursor()
    {
        const QPoint at(200, 150);
        QMenu* menu = OpenContextMenu(at);
        QVERIFY(menu);
        QCOMPARE(menu->pos(), NativeWindowOf(主窗口)->mapToGlobal(at) + QPoint(3, 3));
        const QStringList captions = {"新游戏     (回车)",
                                      "逆向模式",
                                      "暂停       (空格)",
                                      "查看走法...",
                                      "",
                                      "静音       (J)",
                                      "正确放下方计一步",
                                      "参数设定...(Ctrl + 回车)",
                                      "恢复初始参数..",
                                      "",
                                      "关于       (F1)",
                                      "退出",
                                      "",
                                      "提示 (Ctrl+H)",
                                      "演示 (Ctrl+D)",
                                      "成绩... (Ctrl+R)"};
        const QList<QAction*> actions = menu->actions();
        QCOMPARE(actions.size(), captions.size());
        for (qsizetype i = 0; i < actions.size(); ++i) {
            QCOMPARE(actions[i]->text(), captions[i]);
            QCOMPARE(actions[i]->isSeparator(), captions[i].isEmpty());
            QCOMPARE(actions[i]->isChecked(), captions[i] == "正确放下方计一步");
            QVERIFY(actions[i]->isEnabled());
        }
    }

    void aRightPressOnTheBaseOpensNoMenu() { QVERIFY(!OpenContextMenu(QPoint(10, Get(标签基, prop::Top) + 5))); }

    void doubleClickingTwiceRestoresTheWindow()
    {
        MoveUnit(主窗口, 40, 30, 500, 400);
        const Rect before = OuterRect();
        DoubleClickBackground();
        QCOMPARE(Get(主窗口, prop::WindowBorder), window_border::None);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(OuterRect(), (Rect{0, 0, screen.width(), screen.height()}));
        QCOMPARE(SavedWindowRect, before);
        QVERIFY(QTest::qWaitForWindowExposed(WidgetOf(主窗口)));
        DoubleClickBackground();
        QCOMPARE(Get(主窗口, prop::WindowBorder), window_border::Resizable);
        QCOMPARE(OuterRect(), before);
    }

    // The player's way: full screen, Ctrl+Enter for the settings dialog, Esc
    // to close it, which saves: the place stored is the one from before.
    void theSettingsDialogClosedInFullScreenStoresThePlaceFromBefore()
    {
        MoveUnit(主窗口, 40, 30, 500, 400);
        const Rect before = OuterRect();
        DoubleClickBackground();
        QCOMPARE(Get(主窗口, prop::WindowBorder), window_border::None);
        QVERIFY(QTest::qWaitForWindowExposed(WidgetOf(主窗口)));
        QTest::keyClick(NativeWindowOf(主窗口), Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(UnitExists(设置窗口));
        QTest::keyClick(WidgetOf(设置窗口), Qt::Key_Escape);
        QTRY_VERIFY(!UnitExists(设置窗口));
        QCOMPARE(ReadProfileText(TestSettingsPath(), "主窗口", "位置"), "0");
        QCOMPARE(StoredPlace(), before);
        QCOMPARE(Get(主窗口, prop::WindowBorder), window_border::None);
    }

    void escInFullScreenOnlyLeavesFullScreen()
    {
        const Rect before = OuterRect();
        DoubleClickBackground();
        QVERIFY(QTest::qWaitForWindowExposed(WidgetOf(主窗口)));
        QTest::keyClick(NativeWindowOf(主窗口), Qt::Key_Escape);
        QTest::qWait(50);
        QVERIFY(UnitExists(主窗口));
        QCOMPARE(Get(主窗口, prop::WindowBorder), window_border::Resizable);
        QCOMPARE(OuterRect(), before);
    }

    void escWindowedClosesTheWindow()
    {
        QTest::keyClick(NativeWindowOf(主窗口), Qt::Key_Escape);
        QTRY_VERIFY(!UnitExists(主窗口));
        QVERIFY(UnitExists(锚窗口));
    }

    void exitClosesWithoutTheCloseQuery()
    {
        // In full screen the close query would refuse; exit closes all the same.
        DoubleClickBackground();
        QVERIFY(QTest::qWaitForWindowExposed(WidgetOf(主窗口)));
        QMenu* menu = OpenContextMenu(QPoint(100, 100));
        QVERIFY(menu);
        menu->actions().at(11)->trigger();
        QTRY_VERIFY(!UnitExists(主窗口));
    }

    void thePauseCoverKeepsCoveringTheBoardWhenResized()
    {
        Set(标签暂停, prop::Visible, true);
        MoveUnit(主窗口, std::nullopt, std::nullopt, 700, 500);
        QCOMPARE(WidgetOf(标签暂停)->geometry(), QRect(0, 0, ClientWidth(主窗口), ClientHeight(主窗口) - 20));
        MoveUnit(主窗口, std::nullopt, std::nullopt, 400, 300);
        QCOMPARE(WidgetOf(标签暂停)->geometry(), QRect(0, 0, ClientWidth(主窗口), ClientHeight(主窗口) - 20));
    }
};

WINDOW_TEST_MAIN(MainWindowTest)

#include "main_window_test.moc"
