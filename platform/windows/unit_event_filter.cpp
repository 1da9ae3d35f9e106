// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/unit_event_filter.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "platform/windows/unit_registry.h"
#include "platform/windows/virtual_keys.h"
#include "platform/windows/window_widget.h"

namespace {
// Keeps the mouse event's screen position readable while its handler runs.
class CursorScope {
public:
    explicit CursorScope(const QPointF& global) : saved_(EventCursor())
    {
        SetEventCursor(ScreenPoint{int(global.x()), int(global.y())});
    }
    ~CursorScope() { SetEventCursor(saved_); }

private:
    std::optional<ScreenPoint> saved_;
};

// Mouse positions are given in the unit's client area.
bool RaiseMouse(const UnitRef& unit, Event event, const QMouseEvent& mouse, QPoint clientOrigin)
{
    CursorScope scope(mouse.globalPosition());
    EventArgs args;
    args.x = int(mouse.position().x()) - clientOrigin.x();
    args.y = int(mouse.position().y()) - clientOrigin.y();
    args.modifiers = ModifierState(mouse.modifiers());
    return RaiseEvent(unit, event, args);
}

// The unit the last left press went to, so that a double-click counts only
// where both of its clicks landed.
UnitRef lastLeftPress = EmptyUnitRef;

std::optional<Event> MouseEventOf(const QMouseEvent& mouse, const UnitRef& unit)
{
    switch (mouse.type()) {
    case QEvent::MouseButtonPress:
        if (mouse.button() == Qt::LeftButton)
            return Event::LeftDown;
        if (mouse.button() == Qt::RightButton)
            return Event::RightDown;
        return std::nullopt;
    case QEvent::MouseButtonRelease:
        if (mouse.button() == Qt::LeftButton)
            return Event::LeftUp;
        return std::nullopt;
    case QEvent::MouseMove: return Event::MouseMove;
    case QEvent::MouseButtonDblClick: {
        // The second click is no press of its own: a disk is not lifted a
        // second time, and a first click that continued the game on the
        // pause cover does not make the second a double-click on the window.
        if (mouse.button() != Qt::LeftButton || lastLeftPress != unit)
            return std::nullopt;
        WindowRecord* window = FindWindow(unit.window);
        UnitRecord* record = window && window->loaded ? FindUnit(*window, unit.unit) : nullptr;
        if (record && HasBinding(*record, Event::DoubleClick))
            return Event::DoubleClick;
        return std::nullopt;
    }
    default: return std::nullopt;
    }
}
}  // namespace

UnitEventFilter::UnitEventFilter(const UnitRef& unit, bool ownerDrawn, QObject* parent)
    : QObject(parent), unit_(unit), ownerDrawn_(ownerDrawn)
{
}

void UnitEventFilter::Attach(QWidget* widget, const UnitRef& unit, bool ownerDrawn)
{
    widget->installEventFilter(new UnitEventFilter(unit, ownerDrawn, widget));
}

bool UnitEventFilter::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::MouseButtonDblClick: {
        // A disabled unit takes no mouse input: Qt passes the event on to its parent.
        if (!widget->isEnabled())
            return false;
        const auto& mouse = static_cast<const QMouseEvent&>(*event);
        // The frame a window draws itself is no part of its client area: the
        // mouse there raises nothing, as on a frame of the window system.
        const QRect client = ClientArea(widget);
        const QPoint at = mouse.position().toPoint();
        if (unit_.kind == UnitKind::window && widget->rect().contains(at) && !client.contains(at))
            return true;
        // What an enabled control lets through to its window is still the
        // control's: only disabled units leave the mouse to the window.
        if (unit_.kind == UnitKind::window) {
            const QWidget* control = widget->childAt(at);
            if (control && control->isEnabled())
                return false;
        }
        const std::optional<Event> unitEvent = MouseEventOf(mouse, unit_);
        if (mouse.type() == QEvent::MouseButtonPress && mouse.button() == Qt::LeftButton)
            lastLeftPress = unit_;
        if (unitEvent)
            RaiseMouse(unit_, *unitEvent, mouse, client.topLeft());
        return ownerDrawn_;
    }
    case QEvent::KeyPress: {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        EventArgs args;
        args.key = VirtualKeyCode(key);
        args.modifiers = ModifierState(key.modifiers());
        RaiseEvent(unit_, Event::KeyDown, args);
        // Unless a handler used it up, the widget still sees the key: a window
        // closes on Esc after its key-down.
        return args.keyUsed;
    }
    default: return false;
    }
}

int ModifierState(Qt::KeyboardModifiers modifiers)
{
    int state = 0;
    if (modifiers & Qt::ControlModifier)
        state += modifier::Ctrl;
    if (modifiers & Qt::ShiftModifier)
        state += modifier::Shift;
    if (modifiers & Qt::AltModifier)
        state += modifier::Alt;
    return state;
}
