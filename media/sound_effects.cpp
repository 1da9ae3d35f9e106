#include "media/sound_effects.h"

namespace {
std::vector<Effect> requested;
constexpr std::size_t Remembered = 64;
}  // namespace

// The effects' sounds are not built in yet: an effect is only recorded.
void PlayEffect(Effect effect, bool)
{
    if (requested.size() == Remembered)
        requested.erase(requested.begin());
    requested.push_back(effect);
}

const std::vector<Effect>& RequestedEffects()
{
    return requested;
}
