#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fuel::runtime {

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const Date &) const = default;
};

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool operator==(const TimeOfDay &) const = default;

    int secondsSinceMidnight() const { return (hour * 60 + minute) * 60 + second; }
};

// Texts as people type them: spaces around the text are allowed, and full-width forms read as
// ASCII ones.

// "yyyy-mm-dd" or "yyyy/mm/dd", one separator throughout (month and day may have one digit), a
// year from 0100 to 9999 and a real day of the Gregorian calendar. The year comes first, so
// "6/1/2026" is no date rather than a guess between June and January.
std::optional<Date> parseDate(std::string_view text);

// "hh:mm:ss" or "hh:mm" on the 24-hour clock, each part one or two digits ("8:0:0").
std::optional<TimeOfDay> parseTime(std::string_view text);

std::string formatDate(const Date &date);      // yyyy-mm-dd
std::string formatTime(const TimeOfDay &time); // hh:mm:ss

// Midnights crossed from one date to the other; negative when the second is earlier.
long long daysBetween(const Date &from, const Date &to);

// Minute boundaries crossed from one time of day to the other, so 08:00:59 to 08:01:00 is one
// minute and 08:00:00 to 08:00:59 is none; negative when the second is earlier.
int minutesBetween(const TimeOfDay &from, const TimeOfDay &to);

// The time part of (to - from) as "hh时mm分". A negative difference shows its magnitude, which
// is how a negative date value's time of day reads.
std::string formatTimeDifference(const TimeOfDay &from, const TimeOfDay &to);

} // namespace fuel::runtime
