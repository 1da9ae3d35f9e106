// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sound_effects.h"

#include "embedded_assets.h"
#include "platform/sound/sound_player.h"

std::span<const std::uint8_t> EffectSound(Effect effect)
{
    switch (effect) {
    case Effect::NewGame: return {new_game_wav, new_game_wav_size};
    case Effect::ClockStart: return {clock_start_wav, clock_start_wav_size};
    case Effect::PickUp: return {pick_up_wav, pick_up_wav_size};
    case Effect::CorrectDrop: return {correct_drop_wav, correct_drop_wav_size};
    case Effect::InPlace: return {in_place_wav, in_place_wav_size};
    case Effect::Refused: return {refused_wav, refused_wav_size};
    case Effect::Win1: return {win1_wav, win1_wav_size};
    case Effect::Win2: return {win2_wav, win2_wav_size};
    case Effect::Win3: return {win3_wav, win3_wav_size};
    case Effect::SpinInPlace: return {spin_in_place_wav, spin_in_place_wav_size};
    }
    return {};
}

void SoundEffects::Play(Effect effect, OtherEffects others, bool muted)
{
    // Stopping comes before the mute test: muted, an effect still silences the others.
    if (others == OtherEffects::Stop)
        StopAllSounds();
    if (!muted)
        PlaySoundData(EffectSound(effect));
}
