// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/system/bytes.h"

// The pictures built into the window templates, and the windows' icon.
Bytes MainBackgroundPicture();  // JPEG, 1600 × 1200
Bytes PauseCoverPicture();      // JPEG, 737 × 553
Bytes AboutBannerPicture();     // GIF, 400 × 100
Bytes AboutPegsPicture();       // GIF, 150 × 150
Bytes AboutHelpPicture();       // GIF, 64 × 64
Bytes AboutDisksPicture();      // GIF, 48 × 48
Bytes ProgramIconPicture();     // PNG, 256 × 256
