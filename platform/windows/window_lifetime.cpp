// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/window_lifetime.h"

#include <QApplication>
#include <QTimer>
#include <algorithm>

#include "platform/windows/unit_registry.h"

namespace {
bool quitRequested = false;

void DestroyWindowNow(std::int32_t windowId)
{
    WindowRecord* window = FindWindow(windowId);
    if (!window || !window->loaded)
        return;
    EventArgs args;
    RaiseEvent({windowId, window->self->data.id, UnitKind::window}, Event::Destroying, args);
    for (auto& [id, other] : Windows()) {
        if (other.loaded && other.owner == windowId)
            DestroyWindowNow(id);
    }
    window->loaded = false;
    while (!window->units.empty())
        RemoveUnit(*window, window->units.back()->data.id);
    if (QWidget* widget = window->self->widget) {
        widget->hide();
        DeleteWhenNoHandlerRuns(widget);
    }
    window->self.reset();
    if (!AnyWindowLoaded()) {
        quitRequested = true;
        QCoreApplication::quit();
    }
}
}  // namespace

void RemoveUnit(WindowRecord& window, std::int32_t unitId)
{
    auto found = window.byId.find(unitId);
    if (found == window.byId.end())
        return;
    window.byId.erase(found);
    auto position = std::find_if(window.units.begin(), window.units.end(),
                                 [unitId](const auto& unit) { return unit->data.id == unitId; });
    std::unique_ptr<UnitRecord> unit = std::move(*position);
    window.units.erase(position);
    if (unit->timer) {
        unit->timer->stop();
        DeleteWhenNoHandlerRuns(unit->timer);
    }
    if (QWidget* widget = unit->widget) {
        if (QWidget::mouseGrabber() == widget)
            widget->releaseMouse();
        widget->hide();
        DeleteWhenNoHandlerRuns(widget);
    }
}

bool AnyWindowLoaded()
{
    for (const auto& [id, window] : Windows()) {
        if (window.loaded)
            return true;
    }
    return false;
}

bool QuitRequested()
{
    return quitRequested;
}

void DestroyWindowLater(std::int32_t windowId)
{
    QTimer::singleShot(0, qApp, [windowId] { DestroyWindowNow(windowId); });
}
