// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/duration.h"

#include <array>
#include <cmath>

#include "platform/texts/conversions.h"
#include "platform/texts/translation.h"

namespace {
constexpr double Tolerance = 0.0000001;

// The whole part, except that a value a hair below a whole number (rounding
// noise) counts as that number.
double IntPart(double x)
{
    double whole = std::floor(x);
    if (x - whole > 0.999999999999)
        whole += 1;
    return whole;
}

double Frac(double x)
{
    return x - IntPart(x);
}

bool AtLeast(double x, double limit)
{
    return x - limit >= -Tolerance;
}

bool IsZero(double x)
{
    return std::fabs(x) <= Tolerance;
}
}  // namespace

std::string FormatDuration(double milliseconds)
{
    // Largest unit first: years, months, days, hours, minutes, seconds, milliseconds.
    std::array<double, 7> values{0, 0, 0, 0, 0, 0, milliseconds};
    const std::array<std::string, 7> Units{Translate("Duration", " 年"),   Translate("Duration", " 个月"),
                                           Translate("Duration", " 天"),   Translate("Duration", " 小时"),
                                           Translate("Duration", " 分钟"), Translate("Duration", " 秒"),
                                           Translate("Duration", " 毫秒")};
    if (AtLeast(values[6], 1000)) {
        const double q = values[6] / 1000;
        values[6] = Frac(q) * 1000;
        values[5] = IntPart(q);
        // Each larger unit takes over from the one below once that one is full.
        static constexpr std::array<double, 5> PerLarger{12, 30, 24, 60, 60};
        for (int unit = 5; unit >= 1; --unit) {
            const double limit = PerLarger[std::size_t(unit - 1)];
            if (!AtLeast(values[std::size_t(unit)], limit))
                break;
            const double carried = values[std::size_t(unit)] / limit;
            values[std::size_t(unit)] = RoundDecimal(Frac(carried) * limit);
            values[std::size_t(unit - 1)] = IntPart(carried);
        }
    }
    std::string text;
    for (std::size_t unit = 0; unit < values.size(); ++unit) {
        if (IsZero(values[unit]))
            continue;
        text += ToText(values[unit]) + Units[unit];
        if (unit + 1 < values.size() && !IsZero(values[unit + 1]))
            text += " ";
    }
    return text;
}
