// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's sound effects, asked for by name. The program installs the player
// that makes them heard; tests install one that records them.

enum class Effect {
    NewGame,
    ClockStart,
    PickUp,
    CorrectDrop,
    InPlace,
    Refused,
    Win1,
    Win2,
    Win3,
    SpinInPlace
};

// Whether an effect silences the effects still playing before it starts.
enum class OtherEffects {
    Stop,
    Keep
};

class EffectPlayer {
public:
    virtual ~EffectPlayer() = default;
    // Stops the other effects unless told to keep them (muted too), then
    // starts this one unless muted.
    virtual void Play(Effect effect, OtherEffects others, bool muted) = 0;
};

// The player every request goes to from now on; none drops the requests.
void SetEffectPlayer(EffectPlayer* player);

// Asks for one effect, muted while the game's sounds are muted.
void PlayEffect(Effect effect, OtherEffects others = OtherEffects::Stop);
