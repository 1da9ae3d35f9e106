// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The key codes the game's keys arrive with: Windows' virtual key codes.
namespace key {
inline constexpr int Enter = 13;
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int A = 'A';
inline constexpr int D = 'D';
inline constexpr int H = 'H';
inline constexpr int I = 'I';
inline constexpr int R = 'R';
inline constexpr int Z = 'Z';
inline constexpr int Menu = 93;
inline constexpr int KeypadPlus = 107;
inline constexpr int F1 = 112;
inline constexpr int F10 = 121;
// The keypad's and the main keyboard's − alike.
inline constexpr int Minus = 189;
}  // namespace key
