#pragma once

// The case tables, each case written once and read by every layer that needs it: the core's
// tests, and the behaviour suite that both windows run. Plain C++; controls are named by the
// part they play, texts are UTF-8 and stay as the design states them.

#include "target.h"

#include "calc/window_view.h"
#include "runtime/clock.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace fuel::testing::cases {

using namespace std::string_view_literals;
using calc::Field;
using calc::Option;

// The six fields and the three-decimals box before "计算", and the figures of the five captions
// after it.
struct Calculation {
    std::string_view row;
    // The main and auxiliary rates, the start date and time, the end's.
    std::array<std::string_view, calc::allFields.size()> texts;
    bool threeDecimals;
    // The main, auxiliary and total amounts in kilograms, the hours and minutes, the days.
    std::array<std::string_view, calc::allResultLabels.size()> figures;
};

// The captions as the design words them around a calculation's figures.
inline std::array<std::string, calc::allResultLabels.size()> captionsOf(const Calculation &c)
{
    constexpr std::string_view before[] = {"主机用油量：", "副机用油量：", "总共用油量：", "时差：",
                                           "日差："};
    constexpr std::string_view after[] = {" 公斤", " 公斤", " 公斤", "", "天"};
    std::array<std::string, calc::allResultLabels.size()> captions;
    for (std::size_t i = 0; i < captions.size(); ++i)
        captions[i] = std::string(before[i]).append(c.figures[i]).append(after[i]);
    return captions;
}

// The texts one after another, each followed by the separator.
template <class Texts> std::string joined(const Texts &texts, std::string_view separator)
{
    std::string all;
    for (const auto &text : texts)
        all += std::string(text) + std::string(separator);
    return all;
}

inline constexpr Calculation calculations[] = {
    {"ninety minutes, six decimals",
     {"65", "15", "2007-04-26", "08:00:00", "2007-04-26", "09:30:00"},
     false,
     {"97.500000", "22.5", "120", "01时30分", "0"}},
    {"ninety minutes, three decimals",
     {"65", "15", "2007-04-26", "08:00:00", "2007-04-26", "09:30:00"},
     true,
     {"97.500", "22.5", "120", "01时30分", "0"}},
    {"across midnight",
     {"65", "15", "2007-04-26", "23:00:00", "2007-04-27", "01:00:00"},
     false,
     {"130.000000", "30", "160", "22时00分", "1"}},
    {"three whole days",
     {"65", "15", "2007-04-26", "08:00:00", "2007-04-29", "08:00:00"},
     true,
     {"4680.000", "1080", "5760", "00时00分", "3"}},
    {"across a leap day",
     {"60", "60", "2000-02-28", "12:00:00", "2000-03-01", "12:00:00"},
     true,
     {"2880.000", "2880", "5760", "00时00分", "2"}},
    {"start equals end",
     {"65", "15", "2007-04-26", "08:00:00", "2007-04-26", "08:00:00"},
     false,
     {".000000", "0", "0", "00时00分", "0"}},
    {"end before start on the same day",
     {"65", "15", "2007-04-26", "10:00:00", "2007-04-26", "09:00:00"},
     false,
     {"-65.000000", "-15", "-80", "01时00分", "0"}},
    {"end date before the start date counts the time of day only",
     {"65", "15", "2007-04-28", "08:00:00", "2007-04-26", "09:00:00"},
     false,
     {"65.000000", "15", "80", "01时00分", "-2"}},
    {"a minute boundary in one second",
     {"60", "60", "2007-04-26", "08:00:59", "2007-04-26", "08:01:00"},
     false,
     {"1.000000", "1", "2", "00时00分", "0"}},
    {"59 seconds count nothing",
     {"60", "60", "2007-04-26", "08:00:00", "2007-04-26", "08:00:59"},
     false,
     {".000000", "0", "0", "00时00分", "0"}},
    {"one-digit parts, the end date with slashes",
     {"65", "15", "2007-4-26", "8:0:0", "2007/04/26", "9:30:0"},
     true,
     {"97.500", "22.5", "120", "01时30分", "0"}},
    {"full-width texts from a Chinese document or input method",
     {"\u3000６０\u3000", "１５", "２００７－０４－２６", "０８：００：００", "２００７／４／２６",
      "09：30：00"},
     true,
     {"90.000", "22.5", "112.5", "01时30分", "0"}},
    // Products that extended-precision arithmetic rounds twice, to another last digit.
    {"double rounding, six decimals",
     {"3445683", "82", "6429-06-26", "09:20:37", "9551-04-24", "21:21:20"},
     false,
     {"94292369581040.100000", "2243959849.36667", "94294613540889.5", "12时00分", "1140223"}},
    {"double rounding, three decimals",
     {"332867571", "56751", "6323-01-06", "21:39:19", "6346-06-02", "06:46:47"},
     true,
     {"68283493746776.900", "11641736507.95", "68295135483284.9", "14时52分", "8548"}},
    {"double rounding in the sixteenth digit",
     {"768982439", "19562", "6003-03-15", "11:10:25", "6970-06-26", "19:29:49"},
     true,
     {"6520233103089660.000", "165866986674.633", "6.52039897007634E+15", "08时19分", "353293"}},
    {"rates of one for a minute, the total adds rounded values",
     {"1", "1", "2007-04-26", "08:00:00", "2007-04-26", "08:01:00"},
     true,
     {".017", "0.017", "0.034", "00时01分", "0"}},
    {"negative rate",
     {"-60", "0", "2007-04-26", "08:00:00", "2007-04-26", "08:30:00"},
     true,
     {"-30.000", "0", "-30", "00时30分", "0"}},
    {"largest rate for an hour",
     {"2147483647", "15", "2007-04-26", "08:00:00", "2007-04-26", "09:00:00"},
     true,
     {"2147483647.000", "15", "2147483662", "01时00分", "0"}},
    {"largest rate over the whole calendar",
     {"2147483647", "0", "0100-01-01", "00:00:00", "9999-12-31", "23:59:59"},
     true,
     {"186362066824704000.000", "0", "1.86362066824704E+17", "23时59分", "3615899"}},
    {"the whole calendar backwards",
     {"65", "15", "9999-12-31", "08:00:00", "0100-01-01", "09:00:00"},
     true,
     {"65.000", "15", "80", "01时00分", "-3615899"}},
};

// Texts that the calculation cannot read, put into the fields of `good` (one or two of them):
// no caption is written and the one message names the first unreadable field in reading order,
// the rates, the times, then the dates.
struct Unreadable {
    std::string_view row;
    calc::Field field;
    std::string_view text;
    std::optional<calc::Field> otherField; // none when one field is changed
    std::string_view otherText;
    calc::Field named;
};

// 65 and 15 kg an hour from 08:00 to 09:00 on one day, and what it gives.
inline constexpr Calculation good{"good texts",
                                  {"65", "15", "2007-04-26", "08:00:00", "2007-04-26", "09:00:00"},
                                  true,
                                  {"65.000", "15", "80", "01时00分", "0"}};

inline constexpr Unreadable unreadableInputs[] = {
    {"empty main rate", Field::MainRate, "", std::nullopt, "", Field::MainRate},
    {"main rate over 32 bits", Field::MainRate, "2147483648", std::nullopt, "", Field::MainRate},
    {"auxiliary rate with a point", Field::AuxRate, "1.5", std::nullopt, "", Field::AuxRate},
    {"auxiliary rate far beyond 32 bits", Field::AuxRate, "99999999999", std::nullopt, "",
     Field::AuxRate},
    {"start time of letters", Field::StartTime, "ab:cd:ef", std::nullopt, "", Field::StartTime},
    {"end time 24:00:00", Field::EndTime, "24:00:00", std::nullopt, "", Field::EndTime},
    {"start date month 13", Field::StartDate, "2007-13-01", std::nullopt, "", Field::StartDate},
    {"end date 30 February", Field::EndDate, "2007-02-30", std::nullopt, "", Field::EndDate},
    {"end date of letters", Field::EndDate, "today", std::nullopt, "", Field::EndDate},
    {"auxiliary rate as a full-width date", Field::AuxRate, "２００７－０４－２６", std::nullopt,
     "", Field::AuxRate},
    {"start time as a full-width date", Field::StartTime, "２００７－０４－２６", std::nullopt, "",
     Field::StartTime},
    {"start date of full-width digits", Field::StartDate, "１２", std::nullopt, "",
     Field::StartDate},
    {"a rate is read before the dates", Field::StartDate, "x", Field::AuxRate, "", Field::AuxRate},
    {"the times are read before the dates", Field::StartDate, "x", Field::EndTime, "x",
     Field::EndTime},
};

// The start row when the real-time box is ticked: refused at once with the one format message,
// running, or running until the first tick finds no real date or time and names that field.
enum class Start { Refused, Runs, StopsAtFirstTick };

struct StartRow {
    std::string_view row;
    std::string_view date;
    std::string_view time;
    Start outcome;
    std::optional<calc::Field> named; // the field a stop names
};

inline constexpr StartRow realTimeStartRows[] = {
    {"designed start", "2007-04-26", "00:00:00", Start::Runs, std::nullopt},
    {"seven-character time", "2007-04-26", "8:00:00", Start::Refused, std::nullopt},
    {"nine-character date", "2007-4-26", "00:00:00", Start::Refused, std::nullopt},
    {"ten digits without a hyphen", "2007042600", "00:00:00", Start::Refused, std::nullopt},
    {"eight characters without a colon", "2007-04-26", "08-00-00", Start::Refused, std::nullopt},
    {"a date as the time", "2007-04-26", "2007-04-26", Start::Refused, std::nullopt},
    {"full-width date, no ASCII hyphen", "２００７－０４－２６", "00:00:00", Start::Refused,
     std::nullopt},
    {"five-character time that a calculation would read", "2007-04-26", "8:0:0", Start::Refused,
     std::nullopt},
    {"looks like a date, month 99", "2007-99-99", "00:00:00", Start::StopsAtFirstTick,
     Field::StartDate},
    {"looks like a date, 0000-00-00", "0000-00-00", "00:00:00", Start::StopsAtFirstTick,
     Field::StartDate},
    {"looks like a time, leap second", "2007-04-26", "23:59:60", Start::StopsAtFirstTick,
     Field::StartTime},
    // Each emoji is two UTF-16 units, so the text has the eight that the check counts.
    {"emoji time of eight units", "2007-04-26", "😀:😀:😀", Start::StopsAtFirstTick, Field::StartTime},
};

// The texts of the fields when the window opens at `moment`.
struct StartUp {
    std::string_view row;
    runtime::LocalDateTime moment;
    std::array<std::string_view, calc::allFields.size()> texts;
};

inline constexpr StartUp startUpDefaults[] = {
    {"morning, zero-padded",
     {{2007, 3, 5}, {7, 4, 9}},
     {"65", "15", "2007-03-05", "00:00:00", "2007-03-05", "07:04:09"}},
    {"afternoon on the 24-hour clock",
     {{2007, 3, 5}, {19, 4, 9}},
     {"65", "15", "2007-03-05", "00:00:00", "2007-03-05", "19:04:09"}},
    {"midnight",
     {{2024, 12, 31}, {0, 0, 0}},
     {"65", "15", "2024-12-31", "00:00:00", "2024-12-31", "00:00:00"}},
};

// Characters typed one by one into an emptied field ("\b" is backspace) and the text left: each
// kind of field gets its own filter, and the end fields none.
struct Typing {
    std::string_view row;
    calc::Field field;
    std::string_view typed;
    std::string_view kept;
};

inline constexpr Typing typingCases[] = {
    {"full stop dropped in the main rate", Field::MainRate, "12.5", "125"},
    {"sign, space, letter and comma dropped in the auxiliary rate", Field::AuxRate, "- a+,7", "7"},
    {"backspace deletes in a rate", Field::AuxRate, "123\b", "12"},
    {"start date keeps hyphens, drops colons and slashes", Field::StartDate, "2007-03:/05",
     "2007-0305"},
    {"start time keeps colons, drops hyphens", Field::StartTime, "08:3-0", "08:30"},
    {"end date takes anything", Field::EndDate, "a. b", "a. b"},
    {"end time takes anything", Field::EndTime, "x.y-", "x.y-"},
    {"end time keeps the input method's full-width colons", Field::EndTime, "08：30：00",
     "08：30：00"},
};

// Where nine presses of Tab from the real-time box go, and where they go while real-time mode has
// the start fields and the button disabled.
inline constexpr std::array<Target, 9> tabCycle{
    Field::StartTime, Field::MainRate, Field::AuxRate, Field::StartDate, Option::ThreeDecimals,
    Field::EndDate,   Field::EndTime,  Part::Button,   Option::RealTime};
inline constexpr std::array<Target, 6> tabCycleInRealTime{Field::MainRate,       Field::AuxRate,
                                                          Option::ThreeDecimals, Field::EndDate,
                                                          Field::EndTime,        Option::RealTime};

// Texts a paste can bring into any field, `times` over. Each must give the core's answer: all
// the right figures or exactly one message, never a crash or a half-written set of captions.
struct Hostile {
    std::string_view row;
    std::string_view text;
    int times;
};

inline constexpr Hostile hostileTexts[] = {
    {"empty", "", 1},
    {"spaces only", "     ", 1},
    {"spaces around a rate", " 65 ", 1},
    {"a plus sign", "+65", 1},
    {"a minus sign", "-65", 1},
    {"lone minus", "-", 1},
    {"two signs", "+-5", 1},
    {"decimal point", "6.5", 1},
    {"leading zeros", "0000000015", 1},
    {"over 32 bits", "2147483648", 1},
    {"a megabyte of digits", "9", 1 << 20},
    {"a megabyte of CJK", "油", 1 << 20},
    {"full-width digits", "６５", 1},
    {"full-width date", "２００７－０４－２６", 1},
    {"tab before digits", "\t65", 1},
    {"control characters", "\t\r\n\x01\x1b\x7f", 1},
    {"NUL inside",
     "6\0"
     "5"sv,
     1},
    {"zero-width space inside", "6\u200b5", 1},
    {"right-to-left mark", "\u200f65", 1},
    {"combining overline", "6\u03055", 1},
    {"emoji", "😀", 1},
    {"digits and emoji", "65😀", 1},
    {"a date", "2007-04-26", 1},
    {"a date with spaces around", " 2007-04-26 ", 1},
    {"0000-00-00", "0000-00-00", 1},
    {"30 February", "2007-02-30", 1},
    {"a time", "08:00:00", 1},
    {"hours and minutes", "9:00", 1},
    {"24:00:00", "24:00:00", 1},
    {"leap second", "23:59:60", 1},
};

} // namespace fuel::testing::cases
