// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/unit_registry.h"

#include <utility>

#include "platform/system/fatal.h"
#include "platform/windows/window_widget.h"

namespace {
std::vector<UnitRef> eventStack;
std::optional<ScreenPoint> eventCursor;
std::unordered_map<std::int32_t, QPointer<QWidget>> handles;
std::int32_t lastHandle = 0x10000;
// Objects of removed units, held back while a handler runs: the handler or
// one further out may belong to one of them, and the event processing of a
// nested wait would otherwise delete them under it.
std::vector<QPointer<QObject>> heldBack;

void ReleaseHeldBack()
{
    for (const QPointer<QObject>& object : std::exchange(heldBack, {})) {
        if (object)
            object->deleteLater();
    }
}
}  // namespace

std::map<std::int32_t, WindowRecord>& Windows()
{
    static std::map<std::int32_t, WindowRecord> windows;
    return windows;
}

WindowWidget* WindowRecord::Widget() const
{
    return self ? static_cast<WindowWidget*>(self->widget.data()) : nullptr;
}

WindowRecord* FindWindow(std::int32_t windowId)
{
    auto found = Windows().find(windowId);
    return found == Windows().end() ? nullptr : &found->second;
}

WindowRecord& LoadedWindow(std::int32_t windowId)
{
    WindowRecord* window = FindWindow(windowId);
    if (!window || !window->loaded)
        FatalStop(fault::NoNumber, fault::WindowNotLoadedText);
    return *window;
}

UnitRecord* FindUnit(WindowRecord& window, std::int32_t unitId)
{
    if (window.self && window.self->data.id == unitId)
        return window.self.get();
    auto found = window.byId.find(unitId);
    return found == window.byId.end() ? nullptr : found->second;
}

const UnitTemplate* StoredData(const UnitRef& ref)
{
    WindowRecord* window = FindWindow(ref.window);
    UnitRecord* unit = window && window->loaded ? FindUnit(*window, ref.unit) : nullptr;
    return unit ? &unit->data : nullptr;
}

UnitRecord& CheckedUnit(const UnitRef& ref)
{
    WindowRecord& window = LoadedWindow(ref.window);
    UnitRecord* unit = FindUnit(window, ref.unit);
    if (!unit)
        FatalStop(fault::NoNumber, fault::NoNativeWindowText);
    if (unit->data.kind != ref.kind)
        FatalStop(fault::TypeMismatch, fault::TypeMismatchText);
    return *unit;
}

std::int32_t NewHandle(QWidget* widget)
{
    handles[++lastHandle] = widget;
    QObject::connect(widget, &QObject::destroyed, [handle = lastHandle] { handles.erase(handle); });
    return lastHandle;
}

QWidget* WidgetForHandle(std::int32_t handle)
{
    auto found = handles.find(handle);
    return found == handles.end() ? nullptr : found->second.data();
}

bool HasBinding(const UnitRecord& unit, Event event)
{
    for (const EventBinding& binding : unit.data.events) {
        if (binding.event == event && binding.handler)
            return true;
    }
    return false;
}

bool RaiseEvent(const UnitRef& ref, Event event, EventArgs& args)
{
    WindowRecord* window = FindWindow(ref.window);
    if (!window || !window->loaded)
        return false;
    UnitRecord* unit = FindUnit(*window, ref.unit);
    if (!unit)
        return false;
    Handler handler;
    for (const EventBinding& binding : unit->data.events) {
        if (binding.event == event && binding.handler) {
            handler = binding.handler;
            break;
        }
    }
    if (!handler)
        return false;
    // The handler is a copy: it may destroy the unit, and its record with it.
    eventStack.push_back(ref);
    handler(args);
    eventStack.pop_back();
    if (eventStack.empty())
        ReleaseHeldBack();
    return true;
}

void DeleteWhenNoHandlerRuns(QObject* object)
{
    if (eventStack.empty())
        object->deleteLater();
    else
        heldBack.emplace_back(object);
}

UnitRef EventUnit()
{
    if (eventStack.empty())
        FatalStop(fault::NoNumber, fault::EventUnitOutsideHandlerText);
    return eventStack.back();
}

void SetEventCursor(std::optional<ScreenPoint> point)
{
    eventCursor = point;
}

std::optional<ScreenPoint> EventCursor()
{
    return eventCursor;
}
