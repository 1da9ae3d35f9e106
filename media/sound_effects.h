// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <span>

#include "core/effect_requests.h"

// The WAV file of an effect, built into the program.
std::span<const std::uint8_t> EffectSound(Effect effect);

// The effects as the player hears them, through the sound output.
class SoundEffects : public EffectPlayer {
public:
    void Play(Effect effect, OtherEffects others, bool muted) override;
};
