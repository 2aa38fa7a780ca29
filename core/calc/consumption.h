#pragma once

#include "window_view.h"

#include <array>
#include <string>
#include <variant>

namespace fuel::calc {

// The texts of the six fields and the decimals option, as they stand when the run starts.
struct Inputs {
    std::array<std::string, allFields.size()> texts; // indexed by Field, as the view is
    bool threeDecimals = true;

    std::string &text(Field field) { return texts[indexOf(field)]; }
    const std::string &text(Field field) const { return texts[indexOf(field)]; }
};

struct Captions {
    std::string mainAmount;
    std::string auxAmount;
    std::string total;
    std::string elapsedTime;
    std::string elapsedDays;
    bool operator==(const Captions &) const = default;
};

// The first field, in reading order, whose text has no value.
struct UnreadableInput {
    Field field;
    bool operator==(const UnreadableInput &) const = default;
};

using Outcome = std::variant<Captions, UnreadableInput>;

// Fuel used from the start moment to the end moment at the two hourly rates.
//
// Whole days count only when the end date is later than the start date: a start date after the
// end date is not an error, and then only the time-of-day difference counts. The total adds the
// two amounts as they are shown, after rounding.
Outcome calculate(const Inputs &inputs);

} // namespace fuel::calc
