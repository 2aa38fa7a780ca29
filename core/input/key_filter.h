#pragma once

#include <cstdint>

namespace fuel::input {

// Which characters a filtered field takes besides the digits and backspace.
enum class FilteredField {
    Rate,      // nothing else
    StartDate, // the hyphen
    StartTime, // the colon
};

// Judges one typed character code before the field inserts it: returns the code to insert, or 0
// to cancel the keystroke. A character is never replaced by another.
std::int16_t filterKey(std::int16_t code, FilteredField field);

} // namespace fuel::input
