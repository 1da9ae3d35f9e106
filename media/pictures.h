#pragma once
#include "platform/bytes.h"

// The pictures built into the window templates.
Bytes MainBackgroundPicture();  // JPEG, 1600 × 1200
Bytes PauseCoverPicture();      // JPEG, 737 × 553
