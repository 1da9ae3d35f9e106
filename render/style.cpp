#include "render/style.h"

#include "platform/units/units.h"

void ApplyStyle(const ElementStyle& style, const UnitRef& label)
{
    SetInt(label, prop::LabelBorder, style.BorderStyle);
    SetInt(label, prop::GradientColour1, style.Colour1);
    SetInt(label, prop::GradientColour2, style.Colour2);
    SetInt(label, prop::GradientColour3, style.Colour3);
    SetInt(label, prop::GradientMode, style.GradientMode);
}

ElementStyle StyleFromLabel(const UnitRef& label)
{
    return {GetInt(label, prop::GradientColour1), GetInt(label, prop::GradientColour2),
            GetInt(label, prop::GradientColour3), GetInt(label, prop::GradientMode), GetInt(label, prop::LabelBorder)};
}
