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
#include <cstdint>

class PaintedByWindow : public QWidget {
public:
    explicit PaintedByWindow(QWidget* window);
    ~PaintedByWindow() override;

    // Paints the child at its place in the window's coordinates.
    virtual void PaintOnWindow(QPainter& painter) = 0;
    // Asks the window to paint the child's area again: its look changed.
    void RequestPaint();

    // The window's own bookkeeping: whether the child lies in the picture the
    // window keeps of its settled children, and the window's paint at which
    // the child last changed.
    bool staged = false;
    std::uint64_t lastChange = 0;

protected:
    // Paints the child on its own, for a grab or a render of the child alone.
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    void Changed(const QRect& area, bool restacked = false);
};
