// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window's background with the children at the back of its stacking order
// that have stopped changing, kept as one picture: a repaint copies it and
// paints only the children in front of it. A board's pegs and base then cost
// one copy, and a layout that moves a thousand disks paints only the disks.
// Internal to platform/.
#include <QPixmap>
#include <QRgb>
#include <QSize>
#include <cstdint>
#include <functional>
#include <optional>

class PaintedByWindow;
class QPainter;
class QWidget;

// Everything the window's own painting depends on.
struct BackgroundLook {
    QSize size;
    qreal ratio = 1;
    qint64 picture = 0;
    QRgb back = 0;
    int mode = 0;
    std::size_t rings = 0;

    bool operator==(const BackgroundLook&) const = default;
};

class WindowStage {
public:
    // A child changed its look, place, size, visibility or order.
    void ChildChanged(PaintedByWindow& child);
    // Children came or went.
    void Discard() { valid_ = false; }
    // Paints `area` of `window`: its background and every child it paints.
    void Paint(QWidget& window, QPainter& painter, const QRect& area, const BackgroundLook& look,
               const std::function<void(QPainter&)>& paintBackground);

private:
    void Build(QWidget& window, const BackgroundLook& look, const std::function<void(QPainter&)>& paintBackground);
    bool Settled(const PaintedByWindow& child) const;
    bool CanGrow(QWidget& window) const;

    QPixmap picture_;
    std::optional<BackgroundLook> look_;
    bool valid_ = false;
    std::uint64_t paints_ = 0;
};
