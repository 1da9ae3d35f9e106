// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

struct WindowRecord;

// Destroys a window once the running handler has returned, without its close
// query; its owned windows go with it, and the program ends with the last one.
void DestroyWindowLater(std::int32_t windowId);
// Removes a unit of a loaded window: its timer stops, its widget hides, and
// both are deleted once no handler runs any more.
void RemoveUnit(WindowRecord& window, std::int32_t unitId);
// Whether any window is still loaded.
bool AnyWindowLoaded();
// Set once the program is ending; pending messages are then left queued.
bool QuitRequested();
