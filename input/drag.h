// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

// Where the lifted disk floats while the mouse carries it.
extern std::int32_t DragTop;

// Where a disk lifted from `peg` floats: its centre halfway between the
// window's top and the top of the peg.
std::int32_t FloatingTop(std::int32_t peg, std::int32_t disk);
// The lifted disk floats at `DragTop` with its centre at `centreX`, at least
// a pixel each way, so that a disk of a board too crowded to show its disks
// still shows while it is carried.
void FloatLiftedDisk(double centreX);
// The peg whose column holds the cursor, 0 for none.
std::int32_t PegUnderCursor();
void PickUpDisk();
void DragMove();
void DropDisk();
