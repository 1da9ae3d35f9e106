#pragma once
#include <cstdint>
#include <span>
#include <vector>

// The game's sound effects.
enum class Effect { NewGame, ClockStart, PickUp, CorrectDrop, InPlace, Refused, Win1, Win2, Win3, SpinInPlace };

// The WAV file of an effect, built into the program.
std::span<const std::uint8_t> EffectSound(Effect effect);

// Plays one effect, stopping the others first unless told to keep them
// (even while muted); nothing starts while the mute check mark is set.
void PlayEffect(Effect effect, bool keepOthers = false);

struct EffectRequest {
    Effect effect;
    bool keepOthers;
    bool operator==(const EffectRequest&) const = default;
};

// The effects asked for so far, oldest first (the most recent 64).
const std::vector<EffectRequest>& EffectRequests();
std::vector<Effect> RequestedEffects();
