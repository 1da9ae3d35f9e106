#pragma once
#include <vector>

// The game's sound effects.
enum class Effect { NewGame, ClockStart, PickUp, CorrectDrop, InPlace, Refused, Win1, Win2, Win3, SpinInPlace };

// Plays one effect, stopping the others first unless told to keep them;
// nothing plays while the mute check mark is set.
void PlayEffect(Effect effect, bool keepOthers = false);

// The effects asked for so far, oldest first (the most recent 64).
const std::vector<Effect>& RequestedEffects();
