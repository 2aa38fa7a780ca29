#include "key_filter.h"

#include "runtime/text.h"

namespace fuel::input {

namespace {

constexpr std::int16_t backspace = 8;
constexpr std::int16_t cancelled = 0;

std::int16_t separatorOf(FilteredField field)
{
    switch (field) {
    case FilteredField::StartDate:
        return '-';
    case FilteredField::StartTime:
        return ':';
    case FilteredField::Rate:
        break;
    }
    return cancelled; // matches only a code that is cancelled already
}

} // namespace

std::int16_t filterKey(std::int16_t code, FilteredField field)
{
    // Of the digits, only the ten ASCII ones pass, as the window always let them; the full stop
    // fails like every other non-digit, so a fraction never starts.
    const auto character = static_cast<char32_t>(static_cast<std::uint16_t>(code));
    const bool accepted =
        runtime::isAsciiDigit(character) || code == backspace || code == separatorOf(field);
    return accepted ? code : cancelled;
}

} // namespace fuel::input
