// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/style.h"

#include "platform/units/units.h"

void ApplyStyle(const ElementStyle& style, const LabelUnit& label)
{
    Set(label, prop::LabelBorder, style.BorderStyle);
    Set(label, prop::GradientColour1, style.Colour1);
    Set(label, prop::GradientColour2, style.Colour2);
    Set(label, prop::GradientColour3, style.Colour3);
    Set(label, prop::GradientMode, style.GradientMode);
}

ElementStyle StyleFromLabel(const LabelUnit& label)
{
    return {Get(label, prop::GradientColour1), Get(label, prop::GradientColour2), Get(label, prop::GradientColour3),
            Get(label, prop::GradientMode), Get(label, prop::LabelBorder)};
}
