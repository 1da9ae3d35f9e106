// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/system/bytes.h"

#include <concepts>
#include <cstdint>
#include <string>
#include <type_traits>

// The smallest date, 100-01-01.
inline constexpr double SmallestDate = -657434.0;

// A point in time as days since 1899-12-30; the fraction is the time of day.
struct DateTime {
    double days = SmallestDate;
};

// Texts of values, in the fixed formats the settings file and the captions use.
std::string ToText(std::int64_t value);
std::string ToText(std::uint64_t value);
std::string ToText(float value);   // "%.6g"
std::string ToText(double value);  // "%.13g": 3.0 gives "3", 1/3 gives "0.3333333333333"
std::string ToText(bool value);    // "真" or "假"
std::string ToText(const std::string& value);
std::string ToText(const char* value);
std::string ToText(const Bytes& value);  // the bytes up to the first zero byte
std::string ToText(DateTime value);      // "yyyy-mm-dd", with " hh:mm:ss" when there is a time

// Any other integer type: signed ones as "%d", unsigned ones (bytes) as "%u".
template <std::integral Integer>
requires(!std::same_as<Integer, bool>) std::string ToText(Integer value)
{
    if constexpr (std::is_signed_v<Integer>)
        return ToText(static_cast<std::int64_t>(value));
    else
        return ToText(static_cast<std::uint64_t>(value));
}

// A number: integers, floats and truth values exactly; a text as atof reads
// it in the C locale (leading white space skipped, the longest decimal number
// at the start, 0 when there is none; too large a number gives an infinity).
double ToNumber(const std::string& text);
template <typename Number>
requires std::is_arithmetic_v<Number>
double ToNumber(Number value)
{
    return static_cast<double>(value);
}

// Truncates toward zero to an int32, clamping to its range; NaN gives 0.
std::int32_t ToInt32Clamped(double value);

// A date text ("yyyy-mm-dd" or "yyyy/mm/dd", optionally followed by
// " hh:mm" or " hh:mm:ss") as a date-time; anything else gives SmallestDate.
DateTime ToDateTime(const std::string& text);
DateTime ToDateTime(DateTime value);

// Rounds half away from zero to `places` decimal places (negative places
// round to tens, hundreds, ...). A tiny lift before the split makes values
// stored just short of the half, such as 1.005 * 100, round up.
double RoundDecimal(double x, std::int32_t places = 0);

// The largest integer not above x, except that a positive x less than
// 1e-12 short of the next whole number gives that number: rounding noise does
// not cost a whole unit. Clamped to int32; NaN gives 0.
std::int32_t WholePart(double x);

// a mod b as fmod computes it (the result takes the sign of a); a divisor of
// 0 ends the program through the fatal stop.
double Remainder(double a, double b);

// ((a mod b) mod c) mod ...
template <typename... More>
double Remainder(double a, double b, double c, More... more)
{
    double result = Remainder(Remainder(a, b), c);
    ((result = Remainder(result, static_cast<double>(more))), ...);
    return result;
}
