// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/effect_requests.h"

#include "core/game_flow.h"

namespace {
EffectPlayer* installed = nullptr;
}  // namespace

void SetEffectPlayer(EffectPlayer* player)
{
    installed = player;
}

void PlayEffect(Effect effect, OtherEffects others)
{
    if (installed)
        installed->Play(effect, others, Course.MuteSounds);
}
