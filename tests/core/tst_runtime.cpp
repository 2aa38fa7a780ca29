#include "runtime/clock.h"
#include "runtime/date_time.h"
#include "runtime/integer_text.h"
#include "runtime/number_text.h"
#include "runtime/text.h"

#include <doctest.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

using namespace fuel::runtime;

namespace {

std::string shown(const std::optional<Date> &date) { return date ? formatDate(*date) : "none"; }
std::string shown(const std::optional<TimeOfDay> &time)
{
    return time ? formatTime(*time) : "none";
}

} // namespace

TEST_CASE("integer text")
{
    struct Case {
        std::string text;
        std::optional<std::int32_t> value;
    };
    const Case cases[] = {
        {"65", 65},
        {"007", 7},
        {"  65 ", 65},
        {"+7", 7},
        {"-7", -7},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"2147483648", {}},
        {"-2147483649", {}},
        {std::string(1 << 20, '9'), {}},
        {"", {}},
        {"   ", {}},
        {"-", {}},
        {"+-5", {}},
        {"6 5", {}},
        {"- 5", {}},
        {"6.5", {}},
        {"0x10", {}},
        {"１２", 12},
        {"－７", -7},
        {"＋７", 7},
        {"\u3000６５\u3000", 65},
        {"6\u30005", {}},
        {"６．５", {}},
        {"２１４７４８３６４８", {}},
        {"\u0666\u0665", {}},
        {"\t5", {}},
    };
    for (const Case &c : cases) {
        INFO(c.text.substr(0, 20));
        CHECK(parseInt32(c.text) == c.value);
    }
}

TEST_CASE("dates: yyyy-mm-dd or yyyy/mm/dd from 0100-01-01 to 9999-12-31, real days only")
{
    struct Case {
        std::string_view text;
        std::string_view read; // as formatted back (zero-padded), or "none"
    };
    constexpr Case cases[] = {
        {"2007-04-26", "2007-04-26"},
        {"2007-4-6", "2007-04-06"},
        {" 2007-04-26 ", "2007-04-26"},
        {"2000-02-29", "2000-02-29"},
        {"2024-02-29", "2024-02-29"},
        {"1900-02-29", "none"},
        {"2007-02-29", "none"},
        {"2008-02-30", "none"},
        {"2007-04-31", "none"},
        {"0100-01-01", "0100-01-01"},
        {"9999-12-31", "9999-12-31"},
        {"0099-12-31", "none"},
        {"0000-00-00", "none"},
        {"10000-01-01", "none"},
        {"07-04-26", "none"},
        {"2007-13-01", "none"},
        {"2007-00-10", "none"},
        {"2007-04-00", "none"},
        {"2007-04-026", "none"},
        {"2026/06/01", "2026-06-01"},
        {"2026/6/1", "2026-06-01"},
        {"2026/02/30", "none"},
        {"2026-06/01", "none"},
        {"6/1/2026", "none"},
        {"1/6/2026", "none"},
        {"2026.06.01", "none"},
        {"2007042600", "none"},
        {"2007-04-26-", "none"},
        {"2007-04-26 08:00", "none"},
        {"08:00:00", "none"},
        {"", "none"},
        {"２００７-04-26", "2007-04-26"},
        {"２０２６－０６－０１", "2026-06-01"},
        {"２０２６／６／１", "2026-06-01"},
        {"\u30002026-06-01\u3000", "2026-06-01"},
        {"2026-06-\u300001", "none"},
        {"２０２６－０２－３０", "none"},
        {"2007-99-99", "none"},
    };
    for (const Case &c : cases) {
        INFO(c.text);
        CHECK(shown(parseDate(std::string(c.text))) == c.read);
    }
}

TEST_CASE("times: h:m or h:m:s, one or two digits each, within a day")
{
    struct Case {
        std::string_view text;
        std::string_view read;
    };
    constexpr Case cases[] = {
        {"08:30:15", "08:30:15"},
        {"00:00:00", "00:00:00"},
        {"23:59:59", "23:59:59"},
        {"8:00:00", "08:00:00"},
        {"08:05", "08:05:00"},
        {" 08:05:00 ", "08:05:00"},
        {"24:00:00", "none"},
        {"23:60:00", "none"},
        {"23:59:60", "none"},
        {"08:0:00", "08:00:00"},
        {"8:0:0", "08:00:00"},
        {"9:30:0", "09:30:00"},
        {"08:000:00", "none"},
        {"０８：３０：００", "08:30:00"},
        {"09：30：00", "09:30:00"},
        {"\u300008:30\u3000", "08:30:00"},
        {"２４：００：００", "none"},
        {"08．30．00", "none"},
        {"08:00:00:00", "none"},
        {"-1:00:00", "none"},
        {"08", "none"},
        {"08:00:", "none"},
        {"2007-04-26", "none"},
        {"", "none"},
    };
    for (const Case &c : cases) {
        INFO(c.text);
        CHECK(shown(parseTime(std::string(c.text))) == c.read);
    }
}

TEST_CASE("days between dates")
{
    struct Case {
        Date from;
        Date to;
        long long days;
    };
    constexpr Case cases[] = {
        {{2007, 4, 26}, {2007, 4, 26}, 0},  {{2007, 4, 26}, {2007, 4, 27}, 1},
        {{2000, 2, 28}, {2000, 3, 1}, 2},   {{2006, 12, 31}, {2007, 1, 1}, 1},
        {{2007, 4, 26}, {2007, 4, 24}, -2}, {{100, 1, 1}, {9999, 12, 31}, 3615899},
    };
    for (const Case &c : cases) {
        INFO(formatDate(c.from), " to ", formatDate(c.to));
        CHECK(daysBetween(c.from, c.to) == c.days);
    }
}

TEST_CASE("minutes between times count minute boundaries; the difference shows the magnitude")
{
    struct Case {
        TimeOfDay from;
        TimeOfDay to;
        int minutes;
        std::string_view difference;
    };
    constexpr Case cases[] = {
        {{8, 0, 0}, {9, 30, 0}, 90, "01时30分"},     {{8, 0, 59}, {8, 1, 0}, 1, "00时00分"},
        {{8, 0, 0}, {8, 0, 59}, 0, "00时00分"},      {{10, 0, 0}, {9, 0, 0}, -60, "01时00分"},
        {{12, 0, 0}, {9, 30, 0}, -150, "02时30分"},  {{23, 0, 0}, {1, 0, 0}, -1320, "22时00分"},
        {{0, 0, 0}, {23, 59, 59}, 1439, "23时59分"}, {{8, 0, 0}, {8, 0, 0}, 0, "00时00分"},
    };
    for (const Case &c : cases) {
        INFO(formatTime(c.from), " to ", formatTime(c.to));
        CHECK(minutesBetween(c.from, c.to) == c.minutes);
        CHECK(formatTimeDifference(c.from, c.to) == c.difference);
    }
}

TEST_CASE("fixed decimals round half away from zero and drop the leading zero")
{
    struct Case {
        double value;
        int decimals;
        std::string_view text;
    };
    constexpr Case cases[] = {
        {97.5, 3, "97.500"},     {65.0 / 60 * 90, 6, "97.500000"},
        {0.5, 3, ".500"},        {-0.5, 3, "-.500"},
        {-1.5, 3, "-1.500"},     {0.0, 6, ".000000"},
        {-0.0, 3, ".000"},       {-0.0004, 3, ".000"},
        {1.0 / 60, 3, ".017"},   {1.0 / 60, 6, ".016667"},
        {0.0165, 3, ".017"},     {-0.0165, 3, "-.017"},
        {1.0005, 3, "1.001"},    {999.9995, 3, "1000.000"},
        {2.0004999, 3, "2.000"}, {123456789012345678.0, 3, "123456789012346000.000"},
    };
    for (const Case &c : cases) {
        INFO(c.text);
        CHECK(formatFixed(c.value, c.decimals) == c.text);
        // The rounded number reads back as the text shows it.
        CHECK(roundHalfAwayFromZero(c.value, c.decimals) == std::stod(std::string(c.text)));
    }
}

TEST_CASE("numbers as text: 15 significant digits, exponent form from 1E+15")
{
    struct Case {
        double value;
        std::string_view text;
    };
    constexpr Case cases[] = {
        {22.5, "22.5"},
        {15.0, "15"},
        {0.5, "0.5"},
        {-22.5, "-22.5"},
        {0.0, "0"},
        {-0.0, "0"},
        {0.1 + 0.2, "0.3"},
        {0.017 + 0.017, "0.034"},
        {1.0 / 3, "0.333333333333333"},
        {0.000001, "0.000001"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"},
        {-1.5e17, "-1.5E+17"},
    };
    for (const Case &c : cases) {
        INFO(c.text);
        CHECK(numberToText(c.value) == c.text);
    }
}

TEST_CASE("lengths in UTF-16 units")
{
    CHECK(utf16Length("") == 0);
    CHECK(utf16Length("2007-04-26") == 10);
    CHECK(utf16Length("二〇〇七年") == 5);
    CHECK(utf16Length("２００７-04-26") == 10);
    CHECK(utf16Length("⛽🚢") == 3);
}

// The wall clock is the machine's local time, a real date and time of day within a day of the
// date in Greenwich, whatever the time zone.
TEST_CASE("the system clock reads the local date and time")
{
    using namespace std::chrono;
    const LocalDateTime now = SystemClock{}.now();
    const year_month_day utc{floor<days>(system_clock::now())};
    const Date greenwich{static_cast<int>(utc.year()), static_cast<int>(unsigned{utc.month()}),
                         static_cast<int>(unsigned{utc.day()})};
    CHECK(std::llabs(daysBetween(greenwich, now.date)) <= 1);
    CHECK(parseDate(formatDate(now.date)) == now.date);
    CHECK(parseTime(formatTime(now.time)) == now.time);
}
