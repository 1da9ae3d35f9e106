// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

// Play without a mouse. Letters A..Z name pegs 1..26: with nothing lifted a
// letter lifts that peg's top disk, with a disk lifted by a key it carries the
// disk there and puts it down. Left and Right move the keyboard's column one
// peg, carrying a lifted disk along; Up lifts the top disk of that column,
// Down puts the lifted disk down there; Esc puts a disk lifted by a key back
// where it came from. Shift+F10 and the Menu key open the context menu at the
// board's centre. True when the key was one of these and is used up.
bool PlayByKeyboard(int key, int modifiers);
// One move as the keys make it: the top disk of `source` lifted, carried over
// `target` and set down there.
void PlayKeyboardMove(std::int32_t source, std::int32_t target);
// Whether the disk in the air was lifted by a key.
bool LiftedByKeyboard();
// Puts a disk lifted by a key back where it came from, counting nothing.
void EndKeyboardLift();
