// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/painted_by_window.h"

#include <QMoveEvent>
#include <QPainter>
#include <QResizeEvent>

#include "platform/windows/window_widget.h"

PaintedByWindow::PaintedByWindow(QWidget* window) : QWidget(window)
{
    // Qt paints no child whose updates are off; the window paints it instead.
    // Such a child must not be opaque either, or Qt would leave its area out
    // of the window's painting. Nor does Qt keep account of the screen area
    // such a child covers: a move then costs Qt no region work, which for the
    // thousand disks of a large board was most of a layout. The window is
    // told of every change instead (event below).
    setUpdatesEnabled(false);
    setAttribute(Qt::WA_DontShowOnScreen);
    Changed({}, true);
}

PaintedByWindow::~PaintedByWindow()
{
    Changed(isHidden() ? QRect() : geometry(), true);
}

void PaintedByWindow::RequestPaint()
{
    if (!isHidden())
        Changed(geometry());
}

void PaintedByWindow::Changed(const QRect& area, bool restacked)
{
    if (auto* window = dynamic_cast<WindowWidget*>(parentWidget()))
        window->ChildChanged(*this, area, restacked);
    else if (parentWidget())
        parentWidget()->update(area);
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
    switch (event->type()) {
    case QEvent::Move: Changed(QRect(static_cast<QMoveEvent*>(event)->oldPos(), size()) | geometry()); break;
    case QEvent::Resize: Changed(QRect(pos(), static_cast<QResizeEvent*>(event)->oldSize()) | geometry()); break;
    case QEvent::Show:
    case QEvent::Hide: Changed(geometry()); break;
    case QEvent::ZOrderChange: Changed(geometry(), true); break;
    default: break;
    }
    return QWidget::event(event);
}
