// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QBuffer>
#include <QFontMetrics>
#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "platform/controls/status_bar_widget.h"
#include "platform/pictures/picture.h"
#include "platform/system/first_paint.h"
#include "platform/units/event_loop.h"
#include "platform/units/test_window.h"
#include "platform/windows/qt_convert.h"
#include "platform/windows/text_metrics.h"
#include "platform/windows/window_widget.h"

namespace {
class Counter : public QObject {
public:
    int moves = 0;
    int resizes = 0;
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        moves += event->type() == QEvent::Move;
        resizes += event->type() == QEvent::Resize;
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

QByteArray SmallJpeg()
{
    QImage image(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 4, y * 5, 128));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return bytes;
}

Bytes ToBytes(const QByteArray& data)
{
    return Bytes(data.begin(), data.end());
}

// A property can only be set on the kinds that have it, with a value of its type.
template <typename U, typename P, typename V>
concept Settable = requires(const U& unit, P property, V value)
{
    Set(unit, property, value);
};
static_assert(Settable<TimerUnit, decltype(prop::Interval), std::int32_t>);
static_assert(!Settable<TimerUnit, decltype(prop::PickedColour), std::int32_t>);
static_assert(!Settable<MenuUnit, decltype(prop::Left), std::int32_t>);
static_assert(!Settable<LabelUnit, decltype(prop::Visible), int>);
static_assert(!Settable<LabelUnit, decltype(prop::Caption), int>);
static_assert(!Settable<UnitRef, decltype(prop::Caption), std::string>);
static_assert(!Settable<TimerUnit, decltype(prop::PanelFont), Font>);
constexpr std::int32_t MenuWindowId = 0x52000300;
constexpr WindowUnit 菜单窗口{MenuWindowId, 0x06000300};
constexpr MenuUnit 菜单文件1{MenuWindowId, 0x16000301};
constexpr MenuUnit 菜单甲{MenuWindowId, 0x16000302};

// A window with a hidden menu of one entry, to be popped up.
WindowTemplate MenuWindow()
{
    WindowTemplate window;
    window.windowId = MenuWindowId;
    window.self.kind = UnitKind::window;
    window.self.id = 菜单窗口.unit;
    window.self.rect = {0, 0, 200, 150};
    UnitTemplate file;
    file.kind = UnitKind::menu;
    file.id = 菜单文件1.unit;
    file.text = "文件";
    file.menuState = menu_state::Hidden;
    UnitTemplate entry;
    entry.kind = UnitKind::menu;
    entry.id = 菜单甲.unit;
    entry.text = "甲";
    entry.menuLevel = 1;
    window.units = {file, entry};
    return window;
}
}  // namespace

class UnitsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        RegisterWindowTemplate(AnchorWindow());
        RegisterWindowTemplate(TestWindow());
        // The process's first frame is told once it is whole: the window's
        // other controls, its status bar here, paint after the window itself.
        QVERIFY(LoadWindow(测试窗口));
        Counter bar;
        WidgetOf(状态条1)->installEventFilter(&bar);
        int barPaintsAtFirstFrame = -1;
        OnFirstPaint([&] { barPaintsAtFirstFrame = bar.paints; });
        QTRY_VERIFY(FirstPaintDone());
        OnFirstPaint(nullptr);
        QCOMPARE(barPaintsAtFirstFrame, 1);
        WidgetOf(状态条1)->removeEventFilter(&bar);
        QVERIFY(LoadWindow(锚窗口));
    }

    void init()
    {
        SeenEvents().clear();
        QVERIFY(LoadWindow(测试窗口));
        QVERIFY(QTest::qWaitForWindowExposed(WidgetOf(测试窗口)));
    }

    void cleanup()
    {
        DestroyUnit(测试窗口);
        QTRY_VERIFY(!UnitExists(测试窗口));
    }

    void rewritingTheSameIntervalKeepsThePeriod()
    {
        auto* timer = WidgetOf(测试窗口)->findChild<QTimer*>();
        QVERIFY(timer);
        Set(时钟1, prop::Interval, 2000);
        QTest::qWait(400);
        Set(时钟1, prop::Interval, 2000);
        QVERIFY(timer->remainingTime() <= 1650);
        Set(时钟1, prop::Interval, 0);
        QVERIFY(!timer->isActive());
        Set(时钟1, prop::Interval, 2000);
        QVERIFY(timer->remainingTime() > 1650);
        Set(时钟1, prop::Interval, -5);
        QCOMPARE(Get(时钟1, prop::Interval), 0);
        QVERIFY(!timer->isActive());
    }

    void aRunningTimerTicks()
    {
        Set(时钟1, prop::Interval, 30);
        QTRY_VERIFY(SeenEvents().size() >= 2);
        Set(时钟1, prop::Interval, 0);
        QCOMPARE(SeenEvents().front().event, Event::Tick);
        QCOMPARE(SeenEvents().front().unit, 时钟1);
    }

    void statusPartsOutsideTheBarChangeNothing()
    {
        auto* bar = dynamic_cast<StatusBarWidget*>(WidgetOf(状态条1));
        QVERIFY(bar);
        SetStatusText(状态条1, 0, "0 秒");
        SetStatusText(状态条1, 1, "0 步");
        SetStatusText(状态条1, 2, "提示");
        SetStatusText(状态条1, 3, "越界");
        SetStatusText(状态条1, -1, "越界");
        QCOMPARE(bar->PartText(0), QStringLiteral("0 秒"));
        QCOMPARE(bar->PartText(1), QStringLiteral("0 步"));
        QCOMPARE(bar->PartText(2), QStringLiteral("提示"));
        QCOMPARE(bar->PartRect(0).width(), 100);
        QCOMPARE(bar->PartRect(1), QRect(100, 0, 50, 20));
        QCOMPARE(bar->PartRect(2).right(), bar->width() - 1);
        QCOMPARE(Get(状态条1, prop::Height), 20);
        QCOMPARE(Get(状态条1, prop::Top), ClientHeight(测试窗口) - 20);
    }

    void findUnitsListsTheTaggedClonesInCreationOrder()
    {
        std::vector<UnitRef> clones;
        for (const char* tag : {"112", "113", "114", "223", "224", "225", "226", "227"}) {
            LabelUnit clone;
            QVERIFY(CloneUnit(标签甲, clone));
            Set(clone, prop::Tag, tag);
            clones.push_back(clone);
        }
        const std::int32_t list = FindUnits(测试窗口, {}, {}, 112, 222);
        QCOMPARE(UnitListCount(list), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(UnitListItem(list, i), clones[std::size_t(i)]);
        const UnitRef pastTheEnd = UnitListItem(list, 3);
        QCOMPARE(pastTheEnd.window, 0);
        QCOMPARE(pastTheEnd.unit, 0);
        QCOMPARE(std::int32_t(pastTheEnd.kind), 0x10001);
        FreeUnitList(list);
        QCOMPARE(UnitListCount(list), 0);

        DestroyUnit(clones[1]);
        QVERIFY(!UnitExists(clones[1]));
        const std::int32_t after = FindUnits(测试窗口, {}, {}, 112, 222);
        QCOMPARE(UnitListCount(after), 2);
        QCOMPARE(UnitListItem(after, 1), clones[2]);

        QCOMPARE(FindUnits(测试窗口, {}, {}, 300, 400), 0);
        QCOMPARE(UnitListCount(0), 0);
        QCOMPARE(UnitListItem(0, 0), EmptyUnitRef);
        // Timers have no window of their own and never match; labels match by kind name.
        QCOMPARE(FindUnits(测试窗口, "时钟"), 0);
        QCOMPARE(UnitListCount(FindUnits(测试窗口, "标签乙", "标签")), 1);
        QCOMPARE(UnitListCount(FindUnits(测试窗口, {}, "标签")), 9);
    }

    void clonesLieDirectlyBehindTheirSourceInCreationOrder()
    {
        LabelUnit earlier;
        LabelUnit later;
        QVERIFY(CloneUnit(标签甲, earlier));
        QVERIFY(CloneUnit(标签甲, later));
        const QObjectList& stack = WidgetOf(测试窗口)->children();
        const auto source = stack.indexOf(WidgetOf(标签甲));
        // Qt paints later children in front.
        QCOMPARE(stack.indexOf(WidgetOf(later)), source - 1);
        QCOMPARE(stack.indexOf(WidgetOf(earlier)), source - 2);
        QCOMPARE(Get(later, prop::Caption), Get(标签甲, prop::Caption));
        QCOMPARE(Get(later, prop::Width), 100);
    }

    void aCloneOfAHiddenUnitIsHidden()
    {
        LabelUnit clone;
        QVERIFY(CloneUnit(标签乙, clone));
        QCOMPARE(Get(clone, prop::Visible), false);
        QVERIFY(WidgetOf(clone)->isHidden());
        Set(clone, prop::Visible, true);
        QVERIFY(WidgetOf(clone)->isVisible());
    }

    void templateUnitsStackWithTheEarliestInFront()
    {
        const QObjectList& stack = WidgetOf(测试窗口)->children();
        QVERIFY(stack.indexOf(WidgetOf(标签甲)) > stack.indexOf(WidgetOf(标签乙)));
    }

    void loadingAnOpenWindowOnlyBringsItToTheFront()
    {
        QWidget* first = WidgetOf(测试窗口);
        const auto windows = QApplication::topLevelWidgets().size();
        first->showMinimized();
        QVERIFY(LoadWindow(测试窗口));
        QCOMPARE(WidgetOf(测试窗口), first);
        QCOMPARE(QApplication::topLevelWidgets().size(), windows);
        QVERIFY(!first->isMinimized());
    }

    // Maximised or minimised, a window keeps the rectangle it returns to.
    void aWindowKeepsItsNormalRectangle()
    {
        MoveUnit(测试窗口, 60, 70, 300, 200);
        const Rect normal{60, 70, 300, 200};
        QCOMPARE(NormalWindowRect(测试窗口), normal);
        SetWindowPositionState(测试窗口, start_position::Maximised);
        QTRY_VERIFY(Get(测试窗口, prop::Width) != 300);
        QCOMPARE(NormalWindowRect(测试窗口), normal);
        SetWindowPositionState(测试窗口, start_position::Minimised);
        QTRY_VERIFY(WidgetOf(测试窗口)->isMinimized());
        QCOMPARE(NormalWindowRect(测试窗口), normal);
        SetWindowPositionState(测试窗口, start_position::AsTemplate);
        QTRY_COMPARE(Get(测试窗口, prop::Width), 300);
        MoveUnit(测试窗口, 80, 90, 320, 240);
        QCOMPARE(NormalWindowRect(测试窗口), (Rect{80, 90, 320, 240}));
    }

    void movingToTheSameRectangleDoesNothing()
    {
        Counter counter;
        WidgetOf(标签甲)->installEventFilter(&counter);
        MoveUnit(标签甲, 10, 10, 100, 40);
        MoveUnit(标签甲, std::nullopt, std::nullopt, -1, -1);
        QCOMPARE(counter.moves + counter.resizes, 0);
        MoveUnit(标签甲, 12, std::nullopt, -1, 30);
        QCOMPARE(WidgetOf(标签甲)->geometry(), QRect(12, 10, 100, 30));
        QVERIFY(counter.moves + counter.resizes > 0);
    }

    void propertiesAreClamped_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("element");
        QTest::addColumn<int>("written");
        QTest::addColumn<int>("read");
        QTest::newRow("left beyond the limit") << prop::Left.number << -1 << 40000 << 32627;
        QTest::newRow("left below the limit") << prop::Left.number << -1 << -40000 << -32627;
        QTest::newRow("negative width") << prop::Width.number << -1 << -5 << 0;
        QTest::newRow("huge height") << prop::Height.number << -1 << 99999 << 32627;
        QTest::newRow("gradient mode 9") << prop::GradientMode.number << -1 << 9 << 8;
        QTest::newRow("gradient mode -1") << prop::GradientMode.number << -1 << -1 << 0;
        QTest::newRow("border style 7") << prop::LabelBorder.number << -1 << 7 << 6;
        QTest::newRow("border style -1") << prop::LabelBorder.number << -1 << -1 << 0;
        QTest::newRow("negative font size") << prop::LabelFont.number << font_element::SizePoints << -3 << 0;
        QTest::newRow("font size 15") << prop::LabelFont.number << font_element::SizePoints << 15 << 15;
        QTest::newRow("escapement past a turn") << prop::LabelFont.number << font_element::Escapement << 3700 << 100;
        QTest::newRow("bold") << prop::LabelFont.number << font_element::Bold << 5 << 1;
    }

    void propertiesAreClamped()
    {
        QFETCH(int, number);
        QFETCH(int, element);
        QFETCH(int, written);
        QFETCH(int, read);
        SetUnitProperty(标签甲.window, 标签甲.unit, number, element, written);
        QCOMPARE(std::get<std::int32_t>(GetUnitProperty(标签甲.window, 标签甲.unit, number, element)), read);
    }

    void fontFacesOutsideOneTo31BytesBecomeSong()
    {
        Set(标签甲, prop::LabelFont, font_part::Face, "AR PL UMing CN");
        QCOMPARE(Get(标签甲, prop::LabelFont, font_part::Face), std::string("AR PL UMing CN"));
        for (const std::string& face : {std::string(), std::string(32, 'x')}) {
            Set(标签甲, prop::LabelFont, font_part::Face, face);
            QCOMPARE(Get(标签甲, prop::LabelFont, font_part::Face), std::string("宋体"));
        }
        // Twelve points are sixteen pixels at 96 dots per inch.
        Set(标签甲, prop::LabelFont, font_part::SizePoints, 12);
        QCOMPARE(Get(标签甲, prop::LabelFont).height, -16);
    }

    void textExtentsAgreeWithTheFontMetrics()
    {
        for (const bool bold : {false, true}) {
            Font font;
            font.bold = bold;
            for (const int pixels : {1, 7, 16, 33, 120}) {
                font.height = -pixels;
                const QFontMetrics metrics(ToQFont(font));
                for (const QString& text : {QStringLiteral("A"), QStringLiteral("灵"), QStringLiteral("从 A 到 B")}) {
                    const QSize extent = TextExtent(font, text);
                    QCOMPARE(extent.width(), metrics.horizontalAdvance(text));
                    QCOMPARE(extent.height(), metrics.height());
                }
            }
        }
    }

    void aCapturedUnitGetsTheMouseOutsideItselfAndTheWindow()
    {
        QWindow* window = NativeWindowOf(测试窗口);
        QTest::mousePress(window, Qt::LeftButton, {}, QPoint(20, 20));
        QTest::mouseMove(window, QPoint(300, 250));
        QTest::mouseMove(window, QPoint(-30, 500));
        QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(-30, 500));
        const std::vector<Seen>& seen = SeenEvents();
        QVERIFY(seen.size() >= 4);
        QCOMPARE(seen.front().event, Event::LeftDown);
        QCOMPARE(seen.front().x, 10);
        QCOMPARE(seen.front().y, 10);
        QCOMPARE(seen.back().event, Event::LeftUp);
        QCOMPARE(seen.back().x, -40);
        QCOMPARE(seen.back().y, 490);
        for (const Seen& event : seen)
            QCOMPARE(event.unit, 标签甲);
        QVERIFY(std::any_of(seen.begin(), seen.end(),
                            [](const Seen& s) { return s.event == Event::MouseMove && s.x == 290 && s.y == 240; }));
        QVERIFY(!QWidget::mouseGrabber());
    }

    void aPressOnADisabledUnitReachesTheWindow()
    {
        Set(标签甲, prop::Disabled, true);
        QTest::mousePress(NativeWindowOf(测试窗口), Qt::RightButton, {}, QPoint(20, 20));
        QCOMPARE(SeenEvents().size(), std::size_t(1));
        QCOMPARE(SeenEvents().front().event, Event::RightDown);
        QCOMPARE(SeenEvents().front().unit, 测试窗口);
        QCOMPARE(SeenEvents().front().x, 20);
    }

    void aCloneDestroyedInItsOwnHandlerLeavesTheHandlerWhole()
    {
        LabelUnit clone;
        QVERIFY(CloneUnit(标签甲, clone));
        bool stillTheSameUnit = false;
        bool gone = false;
        WindowRecord* window = FindWindow(TestWindowId);
        FindUnit(*window, clone.unit)->data.events = {{Event::LeftDown, [&](EventArgs&) {
                                                           const UnitRef self = EventUnit();
                                                           DestroyUnit(self);
                                                           ProcessPendingMessages();
                                                           gone = !UnitExists(self);
                                                           stillTheSameUnit = EventUnit() == self;
                                                       }}};
        Set(clone, prop::Left, 200);
        QTest::mousePress(NativeWindowOf(测试窗口), Qt::LeftButton, {}, QPoint(210, 20));
        QVERIFY(gone);
        QVERIFY(stillTheSameUnit);
        QTest::mouseRelease(NativeWindowOf(测试窗口), Qt::LeftButton, {}, QPoint(210, 20));
    }

    void aWindowDestroyedInsideANestedLoopGoesOnceThatLoopRuns()
    {
        bool existedAfterTheCall = false;
        bool goneAfterTheLoop = false;
        FindUnit(*FindWindow(TestWindowId), 标签甲.unit)->data.events = {{Event::LeftDown, [&](EventArgs&) {
                                                                              DestroyUnit(测试窗口);
                                                                              existedAfterTheCall =
                                                                                  UnitExists(测试窗口);
                                                                              ProcessPendingMessages();
                                                                              goneAfterTheLoop = !UnitExists(测试窗口);
                                                                          }}};
        QTest::mousePress(NativeWindowOf(测试窗口), Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(existedAfterTheCall);
        QVERIFY(goneAfterTheLoop);
        QVERIFY(UnitExists(锚窗口));
    }

    void aFocusTaskRunsAfterTheFocusOnlyWhileItsWindowIsLoaded()
    {
        int runs = 0;
        WhenWindowFocused(测试窗口, [&] { runs += Get(标签甲, prop::Visible) ? 1 : 0; });
        QFocusEvent focusIn(QEvent::FocusIn);
        QCoreApplication::sendEvent(WidgetOf(测试窗口), &focusIn);
        QCOMPARE(runs, 0);
        QTRY_COMPARE(runs, 1);
        // The focus comes back while the window is being unloaded (from a
        // window it owns, closed with it): the task's turn comes too late.
        FindWindow(TestWindowId)->self->data.events = {
            {Event::Destroying, [&](EventArgs&) { QCoreApplication::sendEvent(WidgetOf(测试窗口), &focusIn); }}};
        DestroyUnit(测试窗口);
        QTRY_VERIFY(!UnitExists(测试窗口));
        QTest::qWait(50);
        QCOMPARE(runs, 1);
    }

    void aUnitDestroyedDuringItsHandlersWaitLivesUntilTheHandlerEnds()
    {
        LabelUnit clone;
        QVERIFY(CloneUnit(标签甲, clone));
        QPointer<QWidget> widget = WidgetOf(clone);
        bool aliveAfterTheWait = false;
        FindUnit(*FindWindow(TestWindowId), clone.unit)->data.events = {{Event::LeftDown, [&](EventArgs&) {
                                                                             // Another event, handled inside the wait,
                                                                             // destroys the unit.
                                                                             QTimer::singleShot(
                                                                                 0, [&] { DestroyUnit(clone); });
                                                                             for (int i = 0; i < 3; ++i) {
                                                                                 QTest::qWait(10);
                                                                                 ProcessPendingMessages();
                                                                             }
                                                                             aliveAfterTheWait = !widget.isNull();
                                                                         }}};
        Set(clone, prop::Left, 200);
        QTest::mousePress(NativeWindowOf(测试窗口), Qt::LeftButton, {}, QPoint(210, 20));
        QVERIFY(aliveAfterTheWait);
        QVERIFY(!UnitExists(clone));
        QTRY_VERIFY(widget.isNull());
        QTest::mouseRelease(NativeWindowOf(测试窗口), Qt::LeftButton, {}, QPoint(210, 20));
    }

    void aMenuCommandRunsOnceItsMenuIsGone()
    {
        RegisterWindowTemplate(MenuWindow());
        QVERIFY(LoadWindow(菜单窗口));
        QPointer<QMenu> menu;
        bool ran = false;
        bool menuAlive = true;
        FindUnit(*FindWindow(MenuWindowId), 菜单甲.unit)->data.events = {{Event::Clicked, [&](EventArgs&) {
                                                                              ran = true;
                                                                              menuAlive = !menu.isNull();
                                                                          }}};
        PopupMenu(菜单窗口, 菜单文件1, 50, 50);
        menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
        QTRY_VERIFY(ran);
        QVERIFY(!menuAlive);
        DestroyUnit(菜单窗口);
        QTRY_VERIFY(!UnitExists(菜单窗口));
    }

    void truncatedOrBrokenPicturesGiveNoPicture()
    {
        const QByteArray jpeg = SmallJpeg();
        QCOMPARE(DecodePicture(ToBytes(jpeg)).size(), QSize(64, 48));
        QVERIFY(DecodePicture(ToBytes(jpeg.left(100))).isNull());
        QVERIFY(DecodePicture(Bytes{0xFF, 0xD8, 0xFF}).isNull());
        QVERIFY(DecodePicture(Bytes{1, 2, 3, 4, 5}).isNull());
        QVERIFY(DecodePicture(Bytes{}).isNull());
        // Cut off inside the image data: what was decoded is shown.
        QCOMPARE(DecodePicture(ToBytes(jpeg.left(jpeg.size() * 3 / 4))).size(), QSize(64, 48));

        Set(测试窗口, prop::WindowPicture, ToBytes(jpeg.left(100)));
        QVERIFY(!WidgetOf(测试窗口)->grab().isNull());
        QVERIFY(UnitExists(测试窗口));
    }
};

WINDOW_TEST_MAIN(UnitsTest)

#include "units_test.moc"
