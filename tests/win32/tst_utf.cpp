#include "runner.h"

#include "win32/utf.h"

#include <array>

using fuel::testing::Row;
using fuel::win32::toUtf16;
using fuel::win32::toUtf8;

namespace {

std::string hex(std::wstring_view text)
{
    std::ostringstream out;
    for (const wchar_t unit : text)
        out << std::hex << static_cast<unsigned>(unit) << ' ';
    return out.str();
}

// Both ways for well-formed text.
void roundTrips()
{
    struct Case {
        std::string_view row;
        std::wstring_view utf16;
        std::string_view utf8;
    };
    constexpr std::array<Case, 6> cases{{
        {"empty", L"", ""},
        {"ASCII", L"2007-04-26", "2007-04-26"},
        {"CJK and full-width colon", L"\x4E3B\x673A\xFF1A", "主机："},
        {"emoji as a surrogate pair", L"\xD83D\xDE00", "\xF0\x9F\x98\x80"},
        {"last character of the plane", L"\xFFFF", "\xEF\xBF\xBF"},
        {"NUL inside", std::wstring_view(L"a\0b", 3), std::string_view("a\0b", 3)},
    }};
    for (const Case &c : cases) {
        const Row row(c.row);
        CHECK_EQ(toUtf8(c.utf16), std::string(c.utf8));
        CHECK(toUtf16(c.utf8) == c.utf16);
    }
}

// What a control may hold but UTF-8 cannot say becomes U+FFFD, so the core sees an unreadable
// character rather than a crash or a silently shortened text.
void brokenTextBecomesReplacement()
{
    constexpr std::string_view replacement = "\xEF\xBF\xBD";
    struct Case {
        std::string_view row;
        std::wstring_view utf16;
        std::string utf8;
    };
    const std::array<Case, 4> cases{{
        {"lone high surrogate", L"\xD800", std::string(replacement)},
        {"lone low surrogate after a digit", L"1\xDC00", "1" + std::string(replacement)},
        {"pair in the wrong order", L"\xDE00\xD83D",
         std::string(replacement) + std::string(replacement)},
        {"high surrogate before a digit", L"\xD83D" L"5", std::string(replacement) + "5"},
    }};
    for (const Case &c : cases) {
        const Row row(c.row);
        CHECK_EQ(toUtf8(c.utf16), c.utf8);
    }
    const Row row("byte that starts no sequence");
    const std::wstring decoded = toUtf16("6\xFF" "5");
    if (!CHECK(decoded == L"6\xFFFD" L"5"))
        std::printf("    got: %s\n", hex(decoded).c_str());
}

void megabyteArrivesWhole()
{
    const std::string digits(1 << 20, '7');
    const std::wstring wide = toUtf16(digits);
    CHECK_EQ(wide.size(), digits.size());
    CHECK(toUtf8(wide) == digits);
    const std::wstring cjk(1 << 20, L'\x6CB9');
    CHECK_EQ(toUtf8(cjk).size(), cjk.size() * 3);
}

constexpr fuel::testing::Test tests[] = {
    {"roundTrips", roundTrips},
    {"brokenTextBecomesReplacement", brokenTextBecomesReplacement},
    {"megabyteArrivesWhole", megabyteArrivesWhole},
};

} // namespace

int main() { return fuel::testing::runTests(tests); }
