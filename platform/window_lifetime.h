#pragma once
#include <cstdint>

// Destroys a window once the running handler has returned, without its close
// query; its owned windows go with it, and the program ends with the last one.
void DestroyWindowLater(std::int32_t windowId);
// Whether any window is still loaded.
bool AnyWindowLoaded();
// Set once the program is ending; pending messages are then left queued.
bool QuitRequested();
