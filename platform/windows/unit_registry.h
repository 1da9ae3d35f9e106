// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The live windows and units behind the unit services: one record per unit,
// holding its stored properties and its Qt widget. Internal to platform/.
#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/templates/window_template.h"

class QTimer;
class WindowWidget;

struct UnitRecord {
    std::int32_t windowId = 0;
    UnitTemplate data;         // the stored properties
    QPointer<QWidget> widget;  // none for menu entries and timers
    QPointer<QTimer> timer;    // timers only
    std::int32_t handle = 0;   // native handle handed to the game, 0 when there is no widget
    bool clone = false;

    UnitRef Ref() const { return {windowId, data.id, data.kind}; }
};

struct WindowRecord {
    const WindowTemplate* source = nullptr;
    std::int32_t id = 0;
    bool loaded = false;
    std::int32_t owner = 0;  // window id of the owner, 0 for none
    std::unique_ptr<UnitRecord> self;
    std::vector<std::unique_ptr<UnitRecord>> units;  // template order, then clones in creation order
    std::unordered_map<std::int32_t, UnitRecord*> byId;
    std::int32_t nextCloneId = 0;
    // A position state asked for before the window is first shown.
    std::optional<std::int32_t> pendingPositionState;

    WindowWidget* Widget() const;
};

// The window with this identifier, or null when none was registered.
WindowRecord* FindWindow(std::int32_t windowId);
// The window, which must be loaded; otherwise the fatal stop.
WindowRecord& LoadedWindow(std::int32_t windowId);
// The unit of a loaded window (its own unit included), or null when it has none by that id.
UnitRecord* FindUnit(WindowRecord& window, std::int32_t unitId);
// The stored properties of a live unit, or null once it is gone (widgets paint from these).
const UnitTemplate* StoredData(const UnitRef& ref);
// The unit a reference names, checked for its kind (fatal stop on a mismatch or an unknown unit).
UnitRecord& CheckedUnit(const UnitRef& ref);

std::map<std::int32_t, WindowRecord>& Windows();

// Native handles: small numbers standing for live widgets.
std::int32_t NewHandle(QWidget* widget);
QWidget* WidgetForHandle(std::int32_t handle);

// Runs the handler bound to an event of a unit, if any; tells whether one ran.
// The unit is what EventUnit answers while the handler runs.
bool RaiseEvent(const UnitRef& unit, Event event, EventArgs& args);
bool HasBinding(const UnitRecord& unit, Event event);
// Deletes the object of a removed unit once no handler is running any more,
// from the event loop: until then it may be the object a handler runs for.
void DeleteWhenNoHandlerRuns(QObject* object);

// The screen position of the mouse event being handled, if one is.
struct ScreenPoint {
    int x = 0;
    int y = 0;
};
void SetEventCursor(std::optional<ScreenPoint> point);
std::optional<ScreenPoint> EventCursor();
