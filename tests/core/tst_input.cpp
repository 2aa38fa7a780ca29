#include "input/key_filter.h"

#include <doctest.h>

#include <string_view>

using fuel::input::FilteredField;
using fuel::input::filterKey;

// Every ASCII code and a few beyond: the field's characters pass unchanged, all others become 0.
TEST_CASE("each filtered field lets through its own characters only")
{
    struct Case {
        FilteredField field;
        std::string_view accepted;
    };
    constexpr Case cases[] = {
        {FilteredField::Rate, "0123456789\b"},
        {FilteredField::StartDate, "0123456789\b-"},
        {FilteredField::StartTime, "0123456789\b:"},
    };
    constexpr std::int16_t beyondAscii[] = {
        static_cast<std::int16_t>(0xFF10), // full-width digit zero
        static_cast<std::int16_t>(0xFF0D), // full-width hyphen-minus
        static_cast<std::int16_t>(0xFF1A), // full-width colon
        static_cast<std::int16_t>(0x3002), // ideographic full stop
        static_cast<std::int16_t>(0x4E00), // 一
        static_cast<std::int16_t>(0xD83D), // half of a surrogate pair
        static_cast<std::int16_t>(0x0660), // Arabic-Indic digit zero
        -1,
        INT16_MIN,
    };
    for (const Case &c : cases) {
        INFO(c.accepted);
        for (std::int16_t code = 0; code < 128; ++code) {
            INFO(code);
            const bool accepted =
                c.accepted.find(static_cast<char>(code)) != std::string_view::npos;
            CHECK(filterKey(code, c.field) == (accepted ? code : 0));
        }
        for (const std::int16_t code : beyondAscii)
            CHECK(filterKey(code, c.field) == 0);
    }
}
