// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

// Where the lifted disk floats while the mouse carries it.
extern std::int32_t DragTop;

// The peg whose column holds the cursor, 0 for none.
std::int32_t PegUnderCursor();
void PickUpDisk();
void DragMove();
void DropDisk();
