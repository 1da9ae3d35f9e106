// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

// The one way a disk moves, whatever moves it: lifted from a peg, carried over
// the columns, put down on a peg. The state is `Course.Lift`.

// Lifts the top disk of `peg` (0 for none): starts the clock on the game's
// first lift and plays the pick-up sound. False, and nothing happens, when the
// peg holds no disk or the game is paused.
bool LiftDisk(std::int32_t peg);
// The lifted disk comes over `peg` (0 for none): the tip names the source and
// that peg when it differs from the last one.
void CarryDisk(std::int32_t peg);
// Puts the lifted disk down on `peg`: a legal drop moves it and is recorded, a
// blocked one leaves it where it was; then the board is laid out and the drop
// settled. Over no peg (0) the disk goes back and nothing else happens.
void PutDownDisk(std::int32_t peg);
// Ends a lift without putting the disk down; true when one was in progress.
bool CancelLift();
