#include "number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace fuel::runtime {

namespace {

constexpr int significantDigits = 15;

// value = (negative ? -1 : 1) × 0.digits × 10^exponent, digits without trailing zeros.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;

    bool isZero() const { return digits.empty(); }
};

void dropTrailingZeros(Decimal &decimal)
{
    while (!decimal.digits.empty() && decimal.digits.back() == '0')
        decimal.digits.pop_back();
    if (decimal.isZero())
        decimal = Decimal{};
}

Decimal toDecimal(double value)
{
    Decimal decimal;
    if (value == 0.0 || !std::isfinite(value))
        return decimal;
    char buffer[40];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::scientific, significantDigits - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const auto e = text.find('e'); // d.dddddddddddddde±XX
    decimal.negative = value < 0;
    decimal.digits.assign(1, text[0]);
    decimal.digits.append(text.substr(2, e - 2));
    const auto exponent = text.substr(text[e + 1] == '+' ? e + 2 : e + 1);
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), decimal.exponent);
    ++decimal.exponent;
    dropTrailingZeros(decimal);
    return decimal;
}

Decimal roundDecimal(Decimal decimal, int decimals)
{
    const int kept = decimal.exponent + decimals;
    if (kept >= static_cast<int>(decimal.digits.size()))
        return decimal;
    if (kept < 0)
        return Decimal{};
    const bool roundUp = decimal.digits[static_cast<std::size_t>(kept)] >= '5';
    decimal.digits.resize(static_cast<std::size_t>(kept));
    if (roundUp) {
        auto it = decimal.digits.rbegin();
        for (; it != decimal.digits.rend() && *it == '9'; ++it)
            *it = '0';
        if (it == decimal.digits.rend()) {
            decimal.digits.insert(decimal.digits.begin(), '1');
            ++decimal.exponent;
        } else {
            ++*it;
        }
    }
    dropTrailingZeros(decimal);
    return decimal;
}

// The digit at a power of ten: position 0 is the units, 1 the tens, -1 the tenths.
char digitAt(const Decimal &decimal, int power)
{
    const int index = decimal.exponent - 1 - power;
    if (index < 0 || index >= static_cast<int>(decimal.digits.size()))
        return '0';
    return decimal.digits[static_cast<std::size_t>(index)];
}

std::string wholePart(const Decimal &decimal)
{
    std::string whole;
    for (int power = decimal.exponent - 1; power >= 0; --power)
        whole += digitAt(decimal, power);
    return whole;
}

std::string fractionPart(const Decimal &decimal, int decimals)
{
    std::string fraction;
    for (int power = -1; power >= -decimals; --power)
        fraction += digitAt(decimal, power);
    return fraction;
}

// "-12.5", "12": the point only when there is a fraction.
std::string joinNumber(bool negative, std::string_view whole, std::string_view fraction)
{
    std::string text = negative ? "-" : "";
    text.append(whole);
    if (!fraction.empty()) {
        text += '.';
        text.append(fraction);
    }
    return text;
}

std::string exponentForm(const Decimal &decimal)
{
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "E+%02d", decimal.exponent - 1);
    const std::string_view digits = decimal.digits;
    return joinNumber(decimal.negative, digits.substr(0, 1), digits.substr(1)) + exponent;
}

double toDouble(const Decimal &decimal)
{
    if (decimal.isZero())
        return 0.0;
    std::string text = joinNumber(decimal.negative, "0", decimal.digits);
    text += 'e';
    text += std::to_string(decimal.exponent);
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

} // namespace

double roundHalfAwayFromZero(double value, int decimals)
{
    return toDouble(roundDecimal(toDecimal(value), decimals));
}

std::string formatFixed(double value, int decimals)
{
    const Decimal decimal = roundDecimal(toDecimal(value), decimals);
    return joinNumber(decimal.negative, wholePart(decimal), fractionPart(decimal, decimals));
}

std::string numberToText(double value)
{
    const Decimal decimal = toDecimal(value);
    if (decimal.isZero())
        return "0";
    if (decimal.exponent > significantDigits)
        return exponentForm(decimal);
    const int decimals = std::max(0, static_cast<int>(decimal.digits.size()) - decimal.exponent);
    const std::string whole = wholePart(decimal);
    return joinNumber(decimal.negative, whole.empty() ? "0" : whole,
                      fractionPart(decimal, decimals));
}

} // namespace fuel::runtime
