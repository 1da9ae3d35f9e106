// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/texts/conversions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string_view>
#include <system_error>

#include "platform/system/fatal.h"

namespace {

// printf's "%.{precision}g" in the C locale, whatever the process's locale.
template <typename Floating>
std::string GeneralFormat(Floating value, int precision)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, precision);
    return std::string(buffer, result.ptr);
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::size_t SkipDigits(std::string_view text, std::size_t at)
{
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    return at;
}

// The decimal exponent of a number's leading digit: 0 for 1.5, 2 for 150,
// -1 for 0.15. Tells a number too large for a double from one too small.
long long LeadingDigitExponent(std::string_view digits, std::size_t pointAt, long long exponent)
{
    const std::size_t first = digits.find_first_not_of("0.");
    if (first == std::string_view::npos)
        return std::numeric_limits<long long>::min();
    const long long position = first < pointAt ? static_cast<long long>(pointAt - first) - 1
                                               : static_cast<long long>(pointAt) - static_cast<long long>(first);
    // Saturates: an exponent near the limits of long long must not wrap round.
    long long sum = 0;
    if (__builtin_add_overflow(exponent, position, &sum))
        return position > 0 ? std::numeric_limits<long long>::max() : std::numeric_limits<long long>::min();
    return sum;
}

// Half away from zero for v >= 0, with the lift for values stored just short
// of the half.
double RoundHalfUp(double v)
{
    double whole = 0;
    const double fraction = std::modf(v + 1e-12, &whole);
    return fraction >= 0.5 ? whole + 1 : whole;
}

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
constexpr long long DaysFromCivil(long long year, int month, int day)
{
    year -= month <= 2;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yearOfEra = year - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

struct CivilDate {
    long long year;
    int month;
    int day;
};

CivilDate CivilFromDays(long long days)
{
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long monthIndex = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    const int month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    return {yearOfEra + era * 400 + (month <= 2), month, day};
}

// Day 0 of a date-time, 1899-12-30, counted from 1970-01-01.
constexpr long long DateTimeEpoch = DaysFromCivil(1899, 12, 30);
// 9999-12-31, the last day a date-time holds.
constexpr double LargestDate = static_cast<double>(DaysFromCivil(9999, 12, 31) - DateTimeEpoch);

int DaysInMonth(long long year, int month)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

// Reads a date text piece by piece.
class DateReader {
public:
    explicit DateReader(std::string_view text) : text_(text) {}

    bool Number(int& value, std::size_t maxDigits)
    {
        const std::size_t end = SkipDigits(text_.substr(0, std::min(maxDigits, text_.size())), 0);
        if (end == 0)
            return false;
        std::from_chars(text_.data(), text_.data() + end, value);
        text_.remove_prefix(end);
        return true;
    }

    bool Accept(std::string_view choices, char& which)
    {
        if (text_.empty() || choices.find(text_.front()) == std::string_view::npos)
            return false;
        which = text_.front();
        text_.remove_prefix(1);
        return true;
    }

    bool AtEnd() const { return text_.empty(); }

private:
    std::string_view text_;
};

}  // namespace

std::string ToText(std::int64_t value)
{
    return std::to_string(value);
}

std::string ToText(std::uint64_t value)
{
    return std::to_string(value);
}

std::string ToText(float value)
{
    return GeneralFormat(value, 6);
}

std::string ToText(double value)
{
    return GeneralFormat(value, 13);
}

std::string ToText(bool value)
{
    return value ? "真" : "假";
}

std::string ToText(const std::string& value)
{
    return value;
}

std::string ToText(const char* value)
{
    return value ? std::string(value) : std::string();
}

std::string ToText(const Bytes& value)
{
    const auto zero = std::find(value.begin(), value.end(), std::uint8_t{0});
    return std::string(value.begin(), zero);
}

std::string ToText(DateTime value)
{
    const double days = std::isfinite(value.days) ? std::clamp(value.days, SmallestDate, LargestDate) : SmallestDate;
    double wholeDays = 0;
    // Before day 0 the fraction still counts forward from the day's start.
    long long seconds = std::llround(std::fabs(std::modf(days, &wholeDays)) * 86400);
    long long day = static_cast<long long>(wholeDays);
    if (seconds == 86400) {
        seconds = 0;
        day += days < 0 ? -1 : 1;
    }
    const CivilDate date = CivilFromDays(day + DateTimeEpoch);
    char buffer[64];
    int length = std::snprintf(buffer, sizeof buffer, "%04lld-%02d-%02d", date.year, date.month, date.day);
    if (seconds != 0) {
        length += std::snprintf(buffer + length, sizeof buffer - static_cast<std::size_t>(length),
                                " %02lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    }
    return std::string(buffer, static_cast<std::size_t>(length));
}

double ToNumber(const std::string& text)
{
    const std::string_view all = text;
    std::size_t start = 0;
    while (start < all.size() && IsSpace(all[start]))
        ++start;
    const bool negative = start < all.size() && all[start] == '-';
    if (start < all.size() && (all[start] == '-' || all[start] == '+'))
        ++start;

    // The longest prefix of the form digits[.digits][e[sign]digits].
    const std::size_t integerEnd = SkipDigits(all, start);
    std::size_t end = integerEnd;
    if (end < all.size() && all[end] == '.')
        end = SkipDigits(all, end + 1);
    if (end - start == 0 || (end - start == 1 && integerEnd == start))
        return 0;
    const std::string_view mantissa = all.substr(start, end - start);
    long long exponent = 0;
    if (end < all.size() && (all[end] == 'e' || all[end] == 'E')) {
        std::size_t digits = end + 1;
        if (digits < all.size() && (all[digits] == '-' || all[digits] == '+'))
            ++digits;
        const std::size_t exponentEnd = SkipDigits(all, digits);
        if (exponentEnd > digits) {
            const auto parsed = std::from_chars(all.data() + digits, all.data() + exponentEnd, exponent);
            if (parsed.ec == std::errc::result_out_of_range)
                exponent = std::numeric_limits<long long>::max();
            if (all[digits - 1] == '-')
                exponent = -exponent;
            end = exponentEnd;
        }
    }

    double value = 0;
    const auto parsed = std::from_chars(all.data() + start, all.data() + end, value);
    if (parsed.ec == std::errc::result_out_of_range) {
        const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
        value = LeadingDigitExponent(mantissa, point, exponent) > 0 ? HUGE_VAL : 0.0;
    }
    return negative ? -value : value;
}

std::int32_t ToInt32Clamped(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (value <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

DateTime ToDateTime(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    const std::size_t last = text.find_last_not_of(" \t");
    DateReader reader(first == std::string::npos ? std::string_view()
                                                 : std::string_view(text).substr(first, last - first + 1));
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    char separator = 0, secondSeparator = 0, unused = 0;
    if (!reader.Number(year, 4) || !reader.Accept("-/", separator) || !reader.Number(month, 2) ||
        !reader.Accept("-/", secondSeparator) || separator != secondSeparator || !reader.Number(day, 2))
        return {};
    if (reader.Accept(" T", unused)) {
        if (!reader.Number(hour, 2) || !reader.Accept(":", unused) || !reader.Number(minute, 2))
            return {};
        if (reader.Accept(":", unused) && !reader.Number(second, 2))
            return {};
    }
    if (!reader.AtEnd() || year < 100 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) ||
        hour > 23 || minute > 59 || second > 59)
        return {};

    const double days = static_cast<double>(DaysFromCivil(year, month, day) - DateTimeEpoch);
    const double time = (hour * 3600 + minute * 60 + second) / 86400.0;
    // Before day 0 the time of day is counted away from zero, as on Windows.
    return {days < 0 ? days - time : days + time};
}

DateTime ToDateTime(DateTime value)
{
    return value;
}

double RoundDecimal(double x, std::int32_t places)
{
    if (x == 0 || !std::isfinite(x))
        return x;
    const double a = std::fabs(x);
    const double scale = std::pow(10.0, std::fabs(static_cast<double>(places)));
    double rounded = 0;
    if (places > 0) {
        const double v = a * scale;
        // A value this large has no digits left at those places.
        if (!std::isfinite(v))
            return x;
        rounded = RoundHalfUp(v) / scale;
    } else if (places < 0) {
        rounded = std::isfinite(scale) ? RoundHalfUp(a / scale) * scale : 0.0;
    } else {
        rounded = RoundHalfUp(a);
    }
    return std::copysign(rounded, x);
}

std::int32_t WholePart(double x)
{
    double whole = std::floor(x);
    if (x > 0 && x - whole > 0.999999999999)
        whole += 1;
    return ToInt32Clamped(whole);
}

double Remainder(double a, double b)
{
    if (b == 0)
        FatalStop(fault::NoNumber, fault::RemainderByZeroText);
    return std::fmod(a, b);
}
