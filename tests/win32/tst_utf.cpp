#include "win32/utf.h"

#include <doctest.h>

#include <string>

using fuel::win32::toUtf16;
using fuel::win32::toUtf8;

TEST_CASE("well-formed text both ways")
{
    struct Case {
        std::wstring_view utf16;
        std::string_view utf8;
    };
    constexpr Case cases[] = {
        {L"", ""},
        {L"2007-04-26", "2007-04-26"},
        {L"\x4E3B\x673A\xFF1A", "主机："},
        {L"\xD83D\xDE00", "\xF0\x9F\x98\x80"},
        {L"\xFFFF", "\xEF\xBF\xBF"},
        {std::wstring_view(L"a\0b", 3), std::string_view("a\0b", 3)},
    };
    for (const Case &c : cases) {
        INFO(c.utf8);
        CHECK(toUtf8(c.utf16) == c.utf8);
        CHECK((toUtf16(c.utf8) == c.utf16));
    }
}

// What a control may hold but UTF-8 cannot say becomes U+FFFD, so the core sees an unreadable
// character rather than a crash or a silently shortened text.
TEST_CASE("broken text becomes the replacement character")
{
    const std::string replacement = "\xEF\xBF\xBD";
    CHECK(toUtf8(L"\xD800") == replacement);
    CHECK(toUtf8(L"1\xDC00") == "1" + replacement);
    CHECK(toUtf8(L"\xDE00\xD83D") == replacement + replacement);
    CHECK(toUtf8(L"\xD83D"
                 L"5") == replacement + "5");
    CHECK((toUtf16("6\xFF"
                   "5") == L"6\xFFFD"
                           L"5"));
}

TEST_CASE("a megabyte arrives whole")
{
    const std::string digits(1 << 20, '7');
    const std::wstring wide = toUtf16(digits);
    CHECK(wide.size() == digits.size());
    CHECK(toUtf8(wide) == digits);
    const std::wstring cjk(1 << 20, L'\x6CB9');
    CHECK(toUtf8(cjk).size() == cjk.size() * 3);
}
