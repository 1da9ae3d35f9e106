#pragma once
#include <cstdint>

#include "platform/templates/unit_ref.h"

// The drag of one disk, from its lift to its release.
extern bool DragActive;
extern std::int32_t SourcePeg;
extern std::int32_t TargetPeg;
extern std::int32_t LiftedDisk;
extern UnitRef LiftedDiskRef;
extern std::int32_t DragTop;

// The peg whose column holds the cursor, 0 for none.
std::int32_t PegUnderCursor();
void PickUpDisk();
void DragMove();
void DropDisk();
// Ends a drag without a drop (a new game started meanwhile): the release that
// follows does nothing. True when a drag was in progress.
bool CancelDrag();
