// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/system/bytes.h"

// Gives every window of the program its icon, which task bars, docks and
// window switchers show: the icon theme's ProgramId() where an installed
// game put it, else `picture` (a PNG or any picture Qt reads), drawn at the
// usual icon sizes. Call once the window services are up.
void SetProgramIcon(const Bytes& picture);
