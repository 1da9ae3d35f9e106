// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Help from the solver. Ctrl+H: the tip names the next move of a plan that
// finishes the transfer from here, and how many moves it takes. Ctrl+D: the
// game plays that plan itself, one move a tick as the keys make it, until
// the transfer is complete, a new game begins, the game pauses, or a key or
// a click stops it. Neither helps while the game is paused.
void ShowHint();
void StartDemonstration();
void StopDemonstration();
bool DemonstrationRunning();
// The demonstration's tick: the next move of the plan.
void DemonstrationStep();
