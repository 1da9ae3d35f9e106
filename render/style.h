// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "core/game_settings.h"
#include "platform/templates/unit_ref.h"

// Gives a label the five attributes of a style (border first, gradient mode last).
void ApplyStyle(const ElementStyle& style, const LabelUnit& label);
// The style a label shows.
ElementStyle StyleFromLabel(const LabelUnit& label);
