#include "platform/unit_event_filter.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "platform/unit_registry.h"
#include "platform/window_widget.h"

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
    case QEvent::MouseMove:
        return Event::MouseMove;
    case QEvent::MouseButtonDblClick: {
        if (mouse.button() != Qt::LeftButton)
            return std::nullopt;
        // A unit that does not take double-clicks sees the second click as a
        // press, so a quick second lift of a disk is not lost.
        WindowRecord* window = FindWindow(unit.window);
        UnitRecord* record = window && window->loaded ? FindUnit(*window, unit.unit) : nullptr;
        if (record && HasBinding(*record, Event::DoubleClick))
            return Event::DoubleClick;
        return Event::LeftDown;
    }
    default:
        return std::nullopt;
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
        if (auto unitEvent = MouseEventOf(mouse, unit_))
            RaiseMouse(unit_, *unitEvent, mouse, client.topLeft());
        return ownerDrawn_;
    }
    case QEvent::KeyPress: {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        EventArgs args;
        args.key = VirtualKeyCode(key.key(), key.modifiers() & Qt::KeypadModifier);
        args.modifiers = ModifierState(key.modifiers());
        RaiseEvent(unit_, Event::KeyDown, args);
        // The widget still sees the key: a window closes on Esc after its key-down.
        return false;
    }
    default:
        return false;
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

int VirtualKeyCode(int qtKey, bool keypad)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return '0' + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Plus: return keypad ? 107 : 187;
    case Qt::Key_Equal: return 187;
    case Qt::Key_Minus: return 189;
    case Qt::Key_Period: return 190;
    case Qt::Key_Slash: return 191;
    default: return 0;
    }
}
