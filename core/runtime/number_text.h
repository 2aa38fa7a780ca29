#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fuel::runtime {

// Amounts are doubles, but people read them as decimals of at most 15 significant digits. All
// rounding and formatting below works on that decimal reading, so 0.0165 rounds to 0.017 even
// though the nearest double lies a hair below it.

// Rounds to the given number of decimals, an exact half away from zero ("四舍五入").
double roundHalfAwayFromZero(double value, int decimals);

// Fixed decimals with no digit before the point when the whole part is zero: ".500", "97.500",
// "-1.500".
std::string formatFixed(double value, int decimals);

// At most 15 significant digits, no trailing zeros, no point for a whole number, "-" when
// negative: "22.5", "15", "0.5". From 1e15 up the exponent form "1.5E+15" keeps it readable.
std::string numberToText(double value);

} // namespace fuel::runtime
