// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>

#include "platform/templates/unit_ref.h"

// Requests from the system to end the program (SIGTERM when the session ends
// or a package upgrade stops it, SIGINT from a terminal, SIGHUP when the
// terminal goes): instead of dying on the spot, the program runs `handler` on
// its user-interface thread, so it can end the way a player's close does.
// A second request while the first is handled ends the program at once.
void OnTerminationRequest(std::function<void()> handler);

// Closes a loaded window the way its close box does, through its close query.
void CloseWindowAsUser(const UnitRef& window);
