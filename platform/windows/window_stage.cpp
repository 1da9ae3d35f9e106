// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/window_stage.h"

#include <QPainter>
#include <QWidget>

#include "platform/windows/painted_by_window.h"

namespace {
// A child joins the picture once it has not changed for this many paints, so
// that what moves all the time (a dragged disk, a board being laid out again
// and again) is never copied into it only to make it stale at once.
constexpr std::uint64_t SettledAfterPaints = 8;

PaintedByWindow* Painted(QObject* child)
{
    return dynamic_cast<PaintedByWindow*>(child);
}
}  // namespace

void WindowStage::ChildChanged(PaintedByWindow& child)
{
    child.lastChange = paints_;
    if (child.staged)
        valid_ = false;
}

bool WindowStage::Settled(const PaintedByWindow& child) const
{
    return paints_ - child.lastChange > SettledAfterPaints;
}

bool WindowStage::CanGrow(QWidget& window) const
{
    for (QObject* child : window.children()) {
        if (PaintedByWindow* painted = Painted(child); painted && !painted->staged)
            return Settled(*painted);
    }
    return false;
}

void WindowStage::Build(QWidget& window, const BackgroundLook& look,
                        const std::function<void(QPainter&)>& paintBackground)
{
    picture_ = QPixmap(look.size * look.ratio);
    picture_.setDevicePixelRatio(look.ratio);
    QPainter painter(&picture_);
    paintBackground(painter);
    // The settled children from the back, up to the first that still changes.
    bool settled = true;
    for (QObject* child : window.children()) {
        PaintedByWindow* painted = Painted(child);
        if (!painted)
            continue;
        settled = settled && Settled(*painted);
        painted->staged = settled;
        if (settled && !painted->isHidden())
            painted->PaintOnWindow(painter);
    }
    look_ = look;
    valid_ = true;
}

void WindowStage::Paint(QWidget& window, QPainter& painter, const QRect& area, const BackgroundLook& look,
                        const std::function<void(QPainter&)>& paintBackground)
{
    ++paints_;
    // A picture is made afresh when it is stale, and where most of the window
    // is painted anyway, when a child in front has settled and can join it.
    const bool most = 2 * std::int64_t(area.width()) * area.height() >= std::int64_t(window.width()) * window.height();
    if (!valid_ || look_ != look || (most && CanGrow(window)))
        Build(window, look, paintBackground);
    const QRectF source(QPointF(area.topLeft()) * look.ratio, QSizeF(area.size()) * look.ratio);
    painter.drawPixmap(QRectF(area), picture_, source);
    for (QObject* child : window.children()) {
        PaintedByWindow* painted = Painted(child);
        if (painted && !painted->staged && !painted->isHidden() && painted->geometry().intersects(area))
            painted->PaintOnWindow(painter);
    }
}
