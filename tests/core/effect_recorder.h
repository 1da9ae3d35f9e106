// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A sound-effect player for tests: it records every effect the game asks for
// and passes it on to another player when given one.
#include <vector>

#include "core/effect_requests.h"

struct EffectRequest {
    Effect effect;
    OtherEffects others;
    bool operator==(const EffectRequest&) const = default;
};

class EffectRecorder : public EffectPlayer {
public:
    explicit EffectRecorder(EffectPlayer* next = nullptr) : next_(next) {}

    void Play(Effect effect, OtherEffects others, bool muted) override
    {
        requests.push_back({effect, others});
        if (next_)
            next_->Play(effect, others, muted);
    }

    std::vector<Effect> Effects() const
    {
        std::vector<Effect> effects;
        for (const EffectRequest& request : requests)
            effects.push_back(request.effect);
        return effects;
    }

    std::vector<EffectRequest> requests;

private:
    EffectPlayer* next_;
};
