// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small window template for exercising the unit services, with handlers
// that record what they see.
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <vector>

#include "platform/units/event_loop.h"
#include "platform/units/units.h"
#include "platform/windows/unit_registry.h"

inline constexpr std::int32_t TestWindowId = 0x52000100;
inline constexpr WindowUnit 测试窗口{TestWindowId, 0x06000100};
inline constexpr LabelUnit 标签甲{TestWindowId, 0x16000101};
inline constexpr LabelUnit 标签乙{TestWindowId, 0x16000102};
inline constexpr TimerUnit 时钟1{TestWindowId, 0x16000103};
inline constexpr StatusBarUnit 状态条1{TestWindowId, 0x16000104};

struct Seen {
    Event event;
    UnitRef unit;
    int x;
    int y;
};

inline std::vector<Seen>& SeenEvents()
{
    static std::vector<Seen> seen;
    return seen;
}

inline Handler Record(Event event)
{
    return [event](EventArgs& args) { SeenEvents().push_back({event, EventUnit(), args.x, args.y}); };
}

inline WindowTemplate TestWindow()
{
    WindowTemplate window;
    window.windowId = TestWindowId;
    window.self.name = "测试窗口";
    window.self.kind = UnitKind::window;
    window.self.id = 测试窗口.unit;
    window.self.rect = {100, 100, 400, 300};
    window.self.borderStyle = window_border::Resizable;
    window.self.events = {{Event::RightDown, Record(Event::RightDown)}};

    UnitTemplate first;
    first.name = "标签甲";
    first.id = 标签甲.unit;
    first.rect = {10, 10, 100, 40};
    first.events = {
        {Event::LeftDown,
         [](EventArgs& args) {
             CaptureMouse(UnitHandle(EventUnit()));
             Record(Event::LeftDown)(args);
         }},
        {Event::MouseMove, Record(Event::MouseMove)},
        {Event::LeftUp,
         [](EventArgs& args) {
             ReleaseMouse();
             Record(Event::LeftUp)(args);
         }},
    };
    UnitTemplate second;
    second.name = "标签乙";
    second.id = 标签乙.unit;
    second.rect = {10, 60, 100, 40};
    second.visible = false;
    UnitTemplate timer;
    timer.name = "时钟1";
    timer.kind = UnitKind::Timer;
    timer.id = 时钟1.unit;
    timer.events = {{Event::Tick, Record(Event::Tick)}};
    UnitTemplate bar;
    bar.name = "状态条1";
    bar.kind = UnitKind::StatusBar;
    bar.id = 状态条1.unit;
    bar.partWidths = {100, 50, 0};
    window.units = {first, second, timer, bar};
    return window;
}

// A window that stays loaded throughout a test, so closing the window under
// test never ends the program.
inline constexpr std::int32_t AnchorWindowId = 0x52000200;
inline constexpr WindowUnit 锚窗口{AnchorWindowId, 0x06000200};

inline WindowTemplate AnchorWindow()
{
    WindowTemplate window;
    window.windowId = AnchorWindowId;
    window.self.kind = UnitKind::window;
    window.self.id = 锚窗口.unit;
    window.self.rect = {0, 0, 120, 80};
    return window;
}

inline QWidget* WidgetOf(const UnitRef& unit)
{
    return WidgetForHandle(UnitHandle(unit));
}

inline QWindow* NativeWindowOf(const UnitRef& window)
{
    return WidgetOf(window)->windowHandle();
}

// A test main that brings the window services up before the tests and down after them.
#define WINDOW_TEST_MAIN(TestClass)                         \
    int main(int argc, char** argv)                         \
    {                                                       \
        InitialiseServices(argc, argv);                     \
        TestClass test;                                     \
        const int result = QTest::qExec(&test, argc, argv); \
        ShutdownServices();                                 \
        return result;                                      \
    }
