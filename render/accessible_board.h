// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The board as a screen reader reads it. Each peg is called by its letter,
// whether it is the main peg, how many disks it holds and which lies on top,
// and describes its disks from the bottom up; each disk is called by its
// number and the peg it lies on or, while lifted, the pegs it comes from and
// is over; the keyboard's mark by the peg it points at. A screen reader hears
// of every change.
void DescribeBoard();
// Turns a screen reader to what the keys point at: the disk they carry, or
// else the peg of the keyboard's column.
void AnnounceKeyboardColumn();
// Has a screen reader say the peg of the keyboard's column in full: its
// letter, whether it is the main peg, and its disks from the bottom up.
void SpeakKeyboardColumn();
