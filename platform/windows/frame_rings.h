// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows-like three-dimensional frames, drawn as rings one pixel wide from
// the outside in. Internal to platform/.
#include <QColor>
#include <QPainter>
#include <vector>

// The classic Windows colours of three-dimensional frames.
namespace frame_colour {
inline const QColor Face(192, 192, 192);
inline const QColor Light(223, 223, 223);
inline const QColor Highlight(255, 255, 255);
inline const QColor Shadow(128, 128, 128);
inline const QColor DarkShadow(0, 0, 0);
}  // namespace frame_colour

// One ring of a frame, lit from the top left as Windows draws its edges.
struct Ring {
    QColor topLeft;
    QColor bottomRight;
};

// The sunken client edge (2 rings) and the raised dialog frame (3 rings).
std::vector<Ring> ClientEdgeRings();
std::vector<Ring> DialogFrameRings();

// Draws a ring `width` device pixels wide along the inside of `outer`; the
// bottom and right sides take the corners they share with the top and left.
void DrawRing(QPainter& painter, const QRect& outer, int width, const Ring& ring);
