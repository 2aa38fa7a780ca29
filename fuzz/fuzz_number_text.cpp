// numberToText and formatFixed on any double (the first eight bytes, as the machine stores one):
// the texts have the promised shapes and read back, through amountOf, as the value to 15
// significant digits and as the value rounded to 3 or 6 decimals.

#include "check.h"

#include "runtime/number_text.h"

#include <cmath>
#include <cstring>

using namespace fuel;

namespace {

// The value to 15 significant digits, as the C library rounds it.
double toFifteenDigits(double value)
{
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return std::strtod(buffer, nullptr);
}

void checkNumberToText(double value)
{
    const std::string text = runtime::numberToText(value);
    const auto back = fuzz::amountOf(text);
    fuzz::require(back.has_value(), "numberToText reads back", text);
    fuzz::require(*back == toFifteenDigits(value), "numberToText keeps 15 significant digits",
                  text);
    const auto point = text.find('.');
    const bool exponentForm = text.find('E') != std::string::npos;
    fuzz::require(exponentForm == (std::fabs(*back) >= 1e15), "an exponent only from 1e15 up",
                  text);
    if (point != std::string::npos && !exponentForm)
        fuzz::require(text.back() != '0' && text.back() != '.', "no trailing zeros", text);
}

void checkFormatFixed(double value, int decimals)
{
    const std::string text = runtime::formatFixed(value, decimals);
    const std::string_view unsignedText =
        std::string_view(text).substr(!text.empty() && text.front() == '-' ? 1 : 0);
    const auto point = unsignedText.find('.');
    fuzz::require(point != std::string_view::npos &&
                      unsignedText.size() - point - 1 == static_cast<std::size_t>(decimals),
                  "formatFixed writes a point and the decimals asked for", text);
    const std::string_view whole = unsignedText.substr(0, point);
    fuzz::require(fuzz::allAsciiDigits(whole) &&
                      fuzz::allAsciiDigits(unsignedText.substr(point + 1)),
                  "formatFixed writes digits only", text);
    fuzz::require(whole.empty() || whole.front() != '0', "no digit 0 before the point", text);

    const auto back = fuzz::amountOf(text);
    fuzz::require(back.has_value(), "formatFixed reads back", text);
    fuzz::require(*back == runtime::roundHalfAwayFromZero(value, decimals),
                  "formatFixed shows the value roundHalfAwayFromZero gives", text);
    fuzz::require(text.front() != '-' || *back < 0, "no minus on a value that rounds to zero",
                  text);
    // Half a unit of the last decimal, plus what reading the value to 15 digits may move it.
    const double allowed = 0.5 * std::pow(10.0, -decimals) + std::fabs(value) * 1e-14;
    fuzz::require(std::fabs(*back - value) <= allowed * (1 + 1e-9),
                  "formatFixed stays within half a unit of its last decimal", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    double value = 0;
    if (size < sizeof value)
        return 0;
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(toFifteenDigits(value))) {
        // Amounts are never infinite or NaN, nor so near the largest double that 15 digits
        // round past it; these only must not crash.
        runtime::numberToText(value);
        runtime::formatFixed(value, 3);
        return 0;
    }
    checkNumberToText(value);
    checkFormatFixed(value, 3);
    checkFormatFixed(value, 6);
    return 0;
}
