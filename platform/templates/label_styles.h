// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The gradient modes and border styles a label paints. A label paints a value
// beyond these as the nearest one it knows.

// Gradient modes 0 (none) to 8.
inline constexpr int LastGradientMode = 8;

// Border styles: 0 none, 1 to 5 frames after the Windows ones (sunken,
// raised, lightly sunken, frame, single line), then a grey frame of the
// label's own, which is the last.
inline constexpr int LastFrameBorderStyle = 5;
inline constexpr int OwnFrameBorderStyle = LastFrameBorderStyle + 1;
inline constexpr int LastBorderStyle = OwnFrameBorderStyle;
