#pragma once

// Case tables that every front-end's window tests share: the same window, so the same cases.
// Plain C++ (names are the designed control names, texts UTF-8), read by each toolkit's tests.

#include <array>
#include <string_view>

namespace fuel::testing::cases {

// A control's designed place in pixels at 96 dpi, measured from its container; width -1 for a
// result label, which is as wide as its caption in its bold font.
struct Place {
    std::string_view name;
    std::string_view container; // "FrmMain" for the window's client area
    int left;
    int top;
    int width;
    int height;
};

// Fixed controls keep their designed size; labels in the frames are as large as their captions.
inline constexpr std::array<Place, 20> placesAt96Dpi{{
    {"Frame(0)", "FrmMain", 8, 8, 353, 137},
    {"TxtStartDate1", "Frame(0)", 80, 24, 105, 18},
    {"TxtStartTime1", "Frame(0)", 192, 24, 105, 18},
    {"Command1", "Frame(0)", 312, 24, 25, 43},
    {"TxtStartDate2", "Frame(0)", 80, 48, 105, 18},
    {"TxtStartTime2", "Frame(0)", 192, 48, 105, 18},
    {"Text1", "Frame(0)", 80, 83, 33, 18},
    {"Text2", "Frame(0)", 192, 83, 33, 18},
    {"Check2", "Frame(0)", 88, 117, 161, 17},
    {"Check1", "Frame(0)", 253, 117, 97, 17},
    {"Frame(1)", "FrmMain", 8, 152, 353, 113},
    {"Label(0)", "FrmMain", 0, 272, 369, 17},
    {"Label(2)", "Frame(0)", 16, 27, 60, 12},
    {"Label(3)", "Frame(0)", 16, 51, 60, 12},
    {"Label(1)", "Frame(0)", 16, 87, 282, 12},
    {"Label1", "Frame(1)", 16, 32, -1, 12},
    {"Label2", "Frame(1)", 16, 56, -1, 12},
    {"Label3", "Frame(1)", 16, 80, -1, 12},
    {"Label5", "Frame(1)", 240, 56, -1, 12},
    {"Label4", "Frame(1)", 240, 80, -1, 12},
}};

// Characters typed one by one into an emptied field ("\b" is backspace) and the text left.
struct Typing {
    std::string_view row;
    std::string_view field;
    std::string_view typed;
    std::string_view kept;
};

inline constexpr std::array<Typing, 18> typingCases{{
    {"full stop dropped, later digits kept", "Text1", "12.5", "125"},
    {"full stop in an empty field", "Text2", ".", ""},
    {"date keeps its hyphens", "TxtStartDate1", "2007-03-05", "2007-03-05"},
    {"date drops slashes", "TxtStartDate1", "2007/03/05", "20070305"},
    {"time keeps its colons", "TxtStartTime1", "08:30:00", "08:30:00"},
    {"hyphen refused in the time", "TxtStartTime1", "8-30", "830"},
    {"hyphen refused in a rate", "Text1", "-5", "5"},
    {"colon refused in the date", "TxtStartDate1", "1:2", "12"},
    {"colon refused in a rate", "Text2", "1:2", "12"},
    {"space, letter, plus and comma refused in a rate", "Text1", " a+,7", "7"},
    {"space, letter, plus and comma refused in the date", "TxtStartDate1", " a+,7", "7"},
    {"space, letter, plus and comma refused in the time", "TxtStartTime1", " a+,7", "7"},
    {"backspace deletes in a rate", "Text2", "123\b", "12"},
    {"backspace deletes in the date", "TxtStartDate1", "20\b", "2"},
    {"hyphens anywhere, as many as typed", "TxtStartDate1", "--1--", "--1--"},
    {"leading zeros kept", "Text2", "007", "007"},
    {"end date takes anything", "TxtStartDate2", "a. b", "a. b"},
    {"end time takes anything", "TxtStartTime2", "x.y", "x.y"},
}};

// Where nine presses of Tab from Check1 go, and where they go while real-time mode has the
// start fields and the button disabled.
inline constexpr std::array<std::string_view, 9> tabCycle{
    "TxtStartTime1", "Text1",         "Text2",    "TxtStartDate1", "Check2",
    "TxtStartDate2", "TxtStartTime2", "Command1", "Check1"};
inline constexpr std::array<std::string_view, 6> tabCycleInRealTime{
    "Text1", "Text2", "Check2", "TxtStartDate2", "TxtStartTime2", "Check1"};

// The six fields and Check2 before "计算", and the five captions after it, Label1 to Label5.
struct Calculation {
    std::string_view row;
    std::string_view mainRate;
    std::string_view auxRate;
    std::string_view startDate;
    std::string_view startTime;
    std::string_view endDate;
    std::string_view endTime;
    bool threeDecimals;
    std::array<std::string_view, 5> captions;
};

inline constexpr std::array<Calculation, 9> calculations{{
    {"ninety minutes, six decimals",
     "65",
     "15",
     "2007-04-26",
     "08:00:00",
     "2007-04-26",
     "09:30:00",
     false,
     {"主机用油量：97.500000 公斤", "副机用油量：22.5 公斤", "总共用油量：120 公斤",
      "时差：01时30分", "日差：0天"}},
    {"ninety minutes, three decimals",
     "65",
     "15",
     "2007-04-26",
     "08:00:00",
     "2007-04-26",
     "09:30:00",
     true,
     {"主机用油量：97.500 公斤", "副机用油量：22.5 公斤", "总共用油量：120 公斤", "时差：01时30分",
      "日差：0天"}},
    {"across midnight",
     "65",
     "15",
     "2007-04-26",
     "23:00:00",
     "2007-04-27",
     "01:00:00",
     false,
     {"主机用油量：130.000000 公斤", "副机用油量：30 公斤", "总共用油量：160 公斤",
      "时差：22时00分", "日差：1天"}},
    {"start equals end",
     "65",
     "15",
     "2007-04-26",
     "08:00:00",
     "2007-04-26",
     "08:00:00",
     false,
     {"主机用油量：.000000 公斤", "副机用油量：0 公斤", "总共用油量：0 公斤", "时差：00时00分",
      "日差：0天"}},
    {"end before start on the same day",
     "65",
     "15",
     "2007-04-26",
     "10:00:00",
     "2007-04-26",
     "09:00:00",
     false,
     {"主机用油量：-65.000000 公斤", "副机用油量：-15 公斤", "总共用油量：-80 公斤",
      "时差：01时00分", "日差：0天"}},
    {"end date before the start date",
     "65",
     "15",
     "2007-04-28",
     "08:00:00",
     "2007-04-26",
     "09:00:00",
     false,
     {"主机用油量：65.000000 公斤", "副机用油量：15 公斤", "总共用油量：80 公斤", "时差：01时00分",
      "日差：-2天"}},
    {"a minute boundary, not sixty seconds",
     "60",
     "60",
     "2007-04-26",
     "08:00:59",
     "2007-04-26",
     "08:01:00",
     false,
     {"主机用油量：1.000000 公斤", "副机用油量：1 公斤", "总共用油量：2 公斤", "时差：00时00分",
      "日差：0天"}},
    {"one-digit parts, the end date with slashes",
     "65",
     "15",
     "2007-4-26",
     "8:0:0",
     "2007/04/26",
     "9:30:0",
     true,
     {"主机用油量：97.500 公斤", "副机用油量：22.5 公斤", "总共用油量：120 公斤", "时差：01时30分",
      "日差：0天"}},
    {"rates of one for a minute, the total adds rounded values",
     "1",
     "1",
     "2007-04-26",
     "08:00:00",
     "2007-04-26",
     "08:01:00",
     true,
     {"主机用油量：.017 公斤", "副机用油量：0.017 公斤", "总共用油量：0.034 公斤", "时差：00时01分",
      "日差：0天"}},
}};

// A text in one field that the calculation cannot read: one message naming that field, and no
// caption written.
struct Unreadable {
    std::string_view row;
    std::string_view field;
    std::string_view text;
};

inline constexpr std::array<Unreadable, 6> unreadableInputs{{
    {"empty main rate", "Text1", ""},
    {"auxiliary rate beyond 32 bits", "Text2", "99999999999"},
    {"start date that is no day", "TxtStartDate1", "2007-13-01"},
    {"start time with letters", "TxtStartTime1", "ab:cd:ef"},
    {"30 February", "TxtStartDate2", "2007-02-30"},
    {"hour 25", "TxtStartTime2", "25:00:00"},
}};

// The start row when Check1 is ticked, and whether real-time mode starts (otherwise the one
// format message, and the box unticked again).
struct StartRow {
    std::string_view row;
    std::string_view date;
    std::string_view time;
    bool starts;
};

inline constexpr std::array<StartRow, 5> realTimeStartRows{{
    {"designed start", "2007-04-26", "00:00:00", true},
    {"seven-character time", "2007-04-26", "8:00:00", false},
    {"nine-character date", "2007-4-26", "00:00:00", false},
    {"ten digits without a hyphen", "2007042600", "00:00:00", false},
    {"no real date, but it looks like one", "2007-99-99", "00:00:00", true},
}};

// Texts a paste can bring into any field; repeated `times` times. Each must give the right
// figures or exactly one message, never a crash or a half-written set of captions.
struct Hostile {
    std::string_view row;
    std::string_view text;
    int times;
};

inline constexpr std::array<Hostile, 9> hostileTexts{{
    {"a megabyte of digits", "1", 1 << 20},
    {"a megabyte of CJK", "油", 1 << 20},
    {"control characters", "\t\r\n\x01\x1b\x7f", 1},
    {"full-width digits", "６５", 1},
    {"emoji", "😀", 1},
    {"right-to-left mark", "\u200f65", 1},
    {"combining overline", "6\u03055", 1},
    {"spaces around a rate", " 65 ", 1},
    {"a sign", "+65", 1},
}};

} // namespace fuel::testing::cases
