#include "date_time.h"

#include "text.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace fuel::runtime {

namespace {

struct NumberField {
    std::size_t minDigits;
    std::size_t maxDigits;
    int minValue;
    int maxValue;
};

// Splits the text at the separator and reads each piece against its field's rules.
template <std::size_t N> std::optional<std::array<int, N>>
readFields(std::string_view text, char separator, const std::array<NumberField, N> &fields)
{
    text = trimSpaces(text);
    std::array<int, N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        const bool last = i + 1 == N;
        const auto end = last ? text.size() : text.find(separator);
        if (end == std::string_view::npos)
            return std::nullopt;
        const auto piece = text.substr(0, end);
        const auto &field = fields[i];
        if (piece.size() < field.minDigits || piece.size() > field.maxDigits)
            return std::nullopt;
        int value = 0;
        for (const char c : piece) {
            if (!isAsciiDigit(c))
                return std::nullopt;
            value = value * 10 + (c - '0');
        }
        if (value < field.minValue || value > field.maxValue)
            return std::nullopt;
        values[i] = value;
        text.remove_prefix(last ? end : end + 1);
    }
    return values;
}

std::chrono::year_month_day calendarDay(const Date &date)
{
    return {std::chrono::year{date.year}, std::chrono::month{static_cast<unsigned>(date.month)},
            std::chrono::day{static_cast<unsigned>(date.day)}};
}

std::string twoDigits(int value)
{
    const int lastTwo = value % 100;
    return {static_cast<char>('0' + lastTwo / 10), static_cast<char>('0' + lastTwo % 10)};
}

} // namespace

std::optional<Date> parseDate(std::string_view text)
{
    constexpr std::array<NumberField, 3> yearMonthDay{
        {{4, 4, 100, 9999}, {1, 2, 1, 12}, {1, 2, 1, 31}}};
    const std::string ascii = withAsciiForms(text);
    auto fields = readFields(ascii, '-', yearMonthDay);
    if (!fields)
        fields = readFields(ascii, '/', yearMonthDay);
    if (!fields)
        return std::nullopt;
    const Date date{(*fields)[0], (*fields)[1], (*fields)[2]};
    if (!calendarDay(date).ok())
        return std::nullopt;
    return date;
}

std::optional<TimeOfDay> parseTime(std::string_view text)
{
    constexpr NumberField hour{1, 2, 0, 23};
    constexpr NumberField sixty{1, 2, 0, 59};
    const std::string ascii = withAsciiForms(text);
    if (const auto fields = readFields<3>(ascii, ':', {{hour, sixty, sixty}}))
        return TimeOfDay{(*fields)[0], (*fields)[1], (*fields)[2]};
    if (const auto fields = readFields<2>(ascii, ':', {{hour, sixty}}))
        return TimeOfDay{(*fields)[0], (*fields)[1], 0};
    return std::nullopt;
}

std::string formatDate(const Date &date)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", date.year % 10000, date.month % 100,
                  date.day % 100);
    return buffer;
}

std::string formatTime(const TimeOfDay &time)
{
    return twoDigits(time.hour) + ':' + twoDigits(time.minute) + ':' + twoDigits(time.second);
}

long long daysBetween(const Date &from, const Date &to)
{
    return (std::chrono::sys_days{calendarDay(to)} - std::chrono::sys_days{calendarDay(from)})
        .count();
}

int minutesBetween(const TimeOfDay &from, const TimeOfDay &to)
{
    return to.secondsSinceMidnight() / 60 - from.secondsSinceMidnight() / 60;
}

std::string formatTimeDifference(const TimeOfDay &from, const TimeOfDay &to)
{
    const int seconds = std::abs(to.secondsSinceMidnight() - from.secondsSinceMidnight());
    return twoDigits(seconds / 3600) + "时" + twoDigits(seconds % 3600 / 60) + "分";
}

} // namespace fuel::runtime
