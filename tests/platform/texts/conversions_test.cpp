// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/texts/conversions.h"

#include <QCoreApplication>
#include <QTest>

#include <cmath>
#include <limits>

namespace {
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr std::int32_t Int32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Int32Min = std::numeric_limits<std::int32_t>::min();
}  // namespace

class ConversionsTest : public QObject {
    Q_OBJECT

private slots:
    void roundDecimal_data();
    void roundDecimal();
    void wholePart_data();
    void wholePart();
    void remainder_data();
    void remainder();
    void toText_data();
    void toText();
    void toNumber_data();
    void toNumber();
    void clampedIntegers_data();
    void clampedIntegers();
    void toDateTime_data();
    void toDateTime();
};

void ConversionsTest::roundDecimal_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("places");
    QTest::addColumn<double>("expected");
    QTest::newRow("2.5") << 2.5 << 0 << 3.0;
    QTest::newRow("-2.5") << -2.5 << 0 << -3.0;
    QTest::newRow("0.49") << 0.49 << 0 << 0.0;
    QTest::newRow("1.005, 2 places") << 1.005 << 2 << 1.01;
    QTest::newRow("2.675, 2 places") << 2.675 << 2 << 2.68;
    QTest::newRow("0.125, 2 places") << 0.125 << 2 << 0.13;
    QTest::newRow("-0.125, 2 places") << -0.125 << 2 << -0.13;
    QTest::newRow("1250, -2 places") << 1250.0 << -2 << 1300.0;
    QTest::newRow("1249, -2 places") << 1249.0 << -2 << 1200.0;
    QTest::newRow("places beyond a double") << 5.25 << 400 << 5.25;
    QTest::newRow("huge value") << 1e300 << 10 << 1e300;
    QTest::newRow("power beyond a double") << 5.0 << -400 << 0.0;
}

void ConversionsTest::roundDecimal()
{
    QFETCH(double, x);
    QFETCH(int, places);
    QFETCH(double, expected);
    QCOMPARE(RoundDecimal(x, places), expected);
}

void ConversionsTest::wholePart_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("expected");
    QTest::newRow("rounding noise below 3") << 2.9999999999995 << 3;
    QTest::newRow("a real fraction below 3") << 2.999999999998 << 2;
    QTest::newRow("2.7") << 2.7 << 2;
    QTest::newRow("-2.3") << -2.3 << -3;
    QTest::newRow("noise is only lifted above zero") << -2.0000000000005 << -3;
    QTest::newRow("1e300") << 1e300 << Int32Max;
    QTest::newRow("-1e300") << -1e300 << Int32Min;
    QTest::newRow("NaN") << NaN << 0;
}

void ConversionsTest::wholePart()
{
    QFETCH(double, x);
    QFETCH(int, expected);
    QCOMPARE(WholePart(x), expected);
}

// A divisor of 0 ends the program: the fatal stop's test has those.
void ConversionsTest::remainder_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("c");
    QTest::addColumn<double>("expected");
    QTest::newRow("7 mod 3") << 7.0 << 3.0 << NaN << 1.0;
    QTest::newRow("the sign of the dividend") << -7.0 << 3.0 << NaN << -1.0;
    QTest::newRow("a negative divisor") << 7.0 << -3.0 << NaN << 1.0;
    QTest::newRow("a fraction") << 5.5 << 2.0 << NaN << 1.5;
    QTest::newRow("a chain") << 100.0 << 30.0 << 7.0 << 3.0;
    QTest::newRow("a chain keeps the first sign") << -100.0 << 30.0 << -7.0 << -3.0;
}

void ConversionsTest::remainder()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, c);
    QFETCH(double, expected);
    QCOMPARE(std::isnan(c) ? Remainder(a, b) : Remainder(a, b, c), expected);
}

void ConversionsTest::toText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("3.0") << QString::fromStdString(ToText(3.0)) << "3";
    QTest::newRow("0.1") << QString::fromStdString(ToText(0.1)) << "0.1";
    QTest::newRow("one third") << QString::fromStdString(ToText(1.0 / 3)) << "0.3333333333333";
    QTest::newRow("15 digits") << QString::fromStdString(ToText(123456789012345.0)) << "1.234567890123e+14";
    QTest::newRow("1e20") << QString::fromStdString(ToText(1e20)) << "1e+20";
    QTest::newRow("float 0.1") << QString::fromStdString(ToText(0.1f)) << "0.1";
    QTest::newRow("float third") << QString::fromStdString(ToText(1.0f / 3)) << "0.333333";
    QTest::newRow("float 2^24 + 1") << QString::fromStdString(ToText(16777217.0f)) << "1.67772e+07";
    QTest::newRow("true") << QString::fromStdString(ToText(true)) << "真";
    QTest::newRow("false") << QString::fromStdString(ToText(false)) << "假";
    QTest::newRow("int") << QString::fromStdString(ToText(-42)) << "-42";
    QTest::newRow("byte") << QString::fromStdString(ToText(std::uint8_t{255})) << "255";
    QTest::newRow("int64") << QString::fromStdString(ToText(std::numeric_limits<std::int64_t>::min()))
                           << "-9223372036854775808";
    QTest::newRow("bytes to zero") << QString::fromStdString(ToText(Bytes{'a', 'b', 0, 'c'})) << "ab";
    QTest::newRow("bytes without zero") << QString::fromStdString(ToText(Bytes{'a', 'b'})) << "ab";
}

void ConversionsTest::toText()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

void ConversionsTest::toNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("digits then letters") << "  12abc" << 12.0;
    QTest::newRow("no number") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("exponent") << "-1.5e3x" << -1500.0;
    QTest::newRow("bare e") << "1e" << 1.0;
    QTest::newRow("e and sign") << "1e+" << 1.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("plus") << "+3" << 3.0;
    QTest::newRow("sign then blank") << "- 5" << 0.0;
    QTest::newRow("hex") << "0x10" << 0.0;
    QTest::newRow("comma") << "1,5" << 1.0;
    QTest::newRow("white space") << "\t\n 7" << 7.0;
    QTest::newRow("inf text") << "inf" << 0.0;
    QTest::newRow("overflow") << "1e400" << HUGE_VAL;
    QTest::newRow("negative overflow") << "-1e400" << -HUGE_VAL;
    QTest::newRow("overflow without exponent") << QString(400, u'9') << HUGE_VAL;
    QTest::newRow("underflow") << "1e-400" << 0.0;
    QTest::newRow("underflow, leading zeros") << "0." + QString(400, u'0') + "1" << 0.0;
    QTest::newRow("largest exponent") << "10e9223372036854775807" << HUGE_VAL;
    QTest::newRow("largest exponent, fraction") << "0.01e9223372036854775807" << HUGE_VAL;
    QTest::newRow("largest exponent, zero") << "0e9223372036854775807" << 0.0;
    QTest::newRow("exponent beyond long long") << "1e99999999999999999999" << HUGE_VAL;
    QTest::newRow("smallest exponent") << "10e-9223372036854775808" << 0.0;
    QTest::newRow("smallest exponent, many digits") << QString(40, u'9') + "e-9223372036854775807" << 0.0;
    QTest::newRow("negative, largest exponent") << "-10e9223372036854775807" << -HUGE_VAL;
    QTest::newRow("subnormal") << "1e-310" << 1e-310;
    QTest::newRow("smallest subnormal") << "4.9406564584124654e-324" << 4.9406564584124654e-324;
}

void ConversionsTest::toNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(ToNumber(text.toStdString()), expected);
}

void ConversionsTest::clampedIntegers_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("1e300") << ToNumber(std::string("1e300")) << Int32Max;
    QTest::newRow("-99999999999") << ToNumber(std::string("-99999999999")) << Int32Min;
    QTest::newRow("infinity") << ToNumber(std::string("1e999")) << Int32Max;
    QTest::newRow("int32 max and a fraction") << 2147483647.9 << Int32Max;
    QTest::newRow("int32 min") << -2147483648.0 << Int32Min;
    QTest::newRow("2.9 truncates") << 2.9 << 2;
    QTest::newRow("-2.9 truncates") << -2.9 << -2;
    QTest::newRow("NaN") << NaN << 0;
}

void ConversionsTest::clampedIntegers()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(ToInt32Clamped(value), expected);
}

void ConversionsTest::toDateTime_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("days");
    QTest::addColumn<QString>("canonical");
    QTest::newRow("smallest date") << "100-01-01" << SmallestDate << "0100-01-01";
    QTest::newRow("day 0") << "1899-12-30" << 0.0 << "1899-12-30";
    QTest::newRow("2000") << "2000/01/01" << 36526.0 << "2000-01-01";
    QTest::newRow("noon") << "2000-01-01 12:00" << 36526.5 << "2000-01-01 12:00:00";
    QTest::newRow("before day 0") << "1899-12-29 06:00:00" << -1.25 << "1899-12-29 06:00:00";
    QTest::newRow("leap day") << "2024-02-29" << 45351.0 << "2024-02-29";
    QTest::newRow("no leap day") << "2023-02-29" << SmallestDate << "0100-01-01";
    QTest::newRow("mixed separators") << "2000-01/01" << SmallestDate << "0100-01-01";
    QTest::newRow("year 99") << "99-01-01" << SmallestDate << "0100-01-01";
    QTest::newRow("trailing text") << "2000-01-01x" << SmallestDate << "0100-01-01";
    QTest::newRow("no date") << "hello" << SmallestDate << "0100-01-01";
}

void ConversionsTest::toDateTime()
{
    QFETCH(QString, text);
    QFETCH(double, days);
    QFETCH(QString, canonical);
    const DateTime value = ToDateTime(text.toStdString());
    QCOMPARE(value.days, days);
    QCOMPARE(ToDateTime(value).days, days);
    QCOMPARE(QString::fromStdString(ToText(value)), canonical);
}

QTEST_GUILESS_MAIN(ConversionsTest)
#include "conversions_test.moc"
