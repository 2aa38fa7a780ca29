#include "integer_text.h"

#include "text.h"

#include <limits>

namespace fuel::runtime {

std::optional<std::int32_t> parseInt32(std::string_view typed)
{
    const std::string ascii = withAsciiForms(typed);
    std::string_view text = trimSpaces(ascii);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;

    // One past the largest magnitude, so the loop stops early on a megabyte of digits.
    const std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (const char c : text) {
        if (!isAsciiDigit(c))
            return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit)
            return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

} // namespace fuel::runtime
