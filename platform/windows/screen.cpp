// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/screen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "platform/windows/unit_registry.h"
#include "platform/windows/window_widget.h"

namespace {
QScreen* GameScreen()
{
    for (const auto& [id, window] : Windows()) {
        if (window.loaded && window.owner == 0 && window.Widget() && window.Widget()->screen())
            return window.Widget()->screen();
    }
    return QGuiApplication::primaryScreen();
}
}  // namespace

std::int32_t ScreenWidth()
{
    QScreen* screen = GameScreen();
    return screen ? screen->geometry().width() : 0;
}

std::int32_t ScreenHeight()
{
    QScreen* screen = GameScreen();
    return screen ? screen->geometry().height() : 0;
}

std::int32_t CursorX()
{
    if (const std::optional<ScreenPoint> cursor = EventCursor())
        return cursor->x;
    return QCursor::pos().x();
}

namespace {
Rect ToRect(const QRect& area)
{
    return {area.x(), area.y(), area.width(), area.height()};
}
}  // namespace

std::vector<Rect> ScreenAreas()
{
    std::vector<Rect> areas;
    for (QScreen* screen : QGuiApplication::screens())
        areas.push_back(ToRect(screen->availableGeometry()));
    return areas;
}

Rect StartScreenArea()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? ToRect(screen->availableGeometry()) : Rect{0, 0, 1024, 768};
}
