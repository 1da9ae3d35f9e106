// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/painted_by_window.h"

#include <QMoveEvent>
#include <QPainter>
#include <QResizeEvent>

#include "platform/windows/window_widget.h"

namespace {
void UpdateOnWindow(QWidget* window, const QRect& area)
{
    if (auto* ours = dynamic_cast<WindowWidget*>(window))
        ours->UpdateChildArea(area);
    else
        window->update(area);
}
}  // namespace

PaintedByWindow::PaintedByWindow(QWidget* window) : QWidget(window)
{
    // Qt paints no child whose updates are off; the window paints it instead.
    // Such a child must not be opaque either, or Qt would leave its area out
    // of the window's painting.
    setUpdatesEnabled(false);
}

void PaintedByWindow::RequestPaint()
{
    if (QWidget* window = parentWidget(); window && !isHidden())
        UpdateOnWindow(window, geometry());
}

void PaintedByWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.translate(-pos());
    PaintOnWindow(painter);
}

// Qt asks no paint of a child whose updates are off: where it was, where it
// is now, and where it was shown, hidden or restacked, is asked for here.
bool PaintedByWindow::event(QEvent* event)
{
    if (QWidget* window = parentWidget()) {
        switch (event->type()) {
        case QEvent::Move:
            UpdateOnWindow(window, QRect(static_cast<QMoveEvent*>(event)->oldPos(), size()) | geometry());
            break;
        case QEvent::Resize:
            UpdateOnWindow(window, QRect(pos(), static_cast<QResizeEvent*>(event)->oldSize()) | geometry());
            break;
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ZOrderChange: UpdateOnWindow(window, geometry()); break;
        default: break;
        }
    }
    return QWidget::event(event);
}

void PaintChildrenOfWindow(QWidget* window, QPainter& painter, const QRect& area)
{
    for (QObject* child : window->children()) {
        auto* painted = dynamic_cast<PaintedByWindow*>(child);
        if (painted && !painted->isHidden() && painted->geometry().intersects(area))
            painted->PaintOnWindow(painter);
    }
}
