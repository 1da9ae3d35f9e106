// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A child widget that its window paints, in the window's own paint event and
// in stacking order, over the background and under the window's other
// children. It stays a widget for the mouse, the cursor, focus and screen
// readers; only its painting moves to the window, so that a window with a
// thousand such children repaints in one pass instead of a thousand paint
// events, and moving one costs no more than the area it leaves and enters.
// Internal to platform/.
#include <QWidget>

class PaintedByWindow : public QWidget {
public:
    explicit PaintedByWindow(QWidget* window);

    // Paints the child at its place in the window's coordinates.
    virtual void PaintOnWindow(QPainter& painter) = 0;
    // Asks the window to paint the child's area again.
    void RequestPaint();

protected:
    // Paints the child on its own, for a grab or a render of the child alone.
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
};

// Paints the window's children that it paints itself, back to front, where
// they meet `area`.
void PaintChildrenOfWindow(QWidget* window, QPainter& painter, const QRect& area);
