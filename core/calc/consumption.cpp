#include "consumption.h"

#include "runtime/date_time.h"
#include "runtime/integer_text.h"
#include "runtime/number_text.h"

namespace fuel::calc {

namespace rt = fuel::runtime;

namespace {

struct Moments {
    rt::Date startDate;
    rt::TimeOfDay startTime;
    rt::Date endDate;
    rt::TimeOfDay endTime;
};

struct Rates {
    std::int32_t main;
    std::int32_t aux;
};

// Reads the inputs in the order the fields are checked, so the first unreadable one is named.
std::variant<Rates, UnreadableInput> readRates(const Inputs &inputs)
{
    const auto main = rt::parseInt32(inputs.text(Field::MainRate));
    if (!main)
        return UnreadableInput{Field::MainRate};
    const auto aux = rt::parseInt32(inputs.text(Field::AuxRate));
    if (!aux)
        return UnreadableInput{Field::AuxRate};
    return Rates{*main, *aux};
}

std::variant<Moments, UnreadableInput> readMoments(const Inputs &inputs)
{
    const auto startTime = rt::parseTime(inputs.text(Field::StartTime));
    if (!startTime)
        return UnreadableInput{Field::StartTime};
    const auto endTime = rt::parseTime(inputs.text(Field::EndTime));
    if (!endTime)
        return UnreadableInput{Field::EndTime};
    const auto startDate = rt::parseDate(inputs.text(Field::StartDate));
    if (!startDate)
        return UnreadableInput{Field::StartDate};
    const auto endDate = rt::parseDate(inputs.text(Field::EndDate));
    if (!endDate)
        return UnreadableInput{Field::EndDate};
    return Moments{*startDate, *startTime, *endDate, *endTime};
}

// A zero or negative day count adds nothing, so a span that crosses midnight comes out right
// (23:00 to 01:00 the next day is 1440 - 1320 = 120 minutes).
double elapsedMinutes(int timeOfDayMinutes, long long days)
{
    const long long wholeDayMinutes = days * 24 * 60;
    if (wholeDayMinutes > 0)
        return static_cast<double>(timeOfDayMinutes + wholeDayMinutes);
    return timeOfDayMinutes;
}

Captions captionsFor(const Rates &rates, const Moments &moments, bool threeDecimals)
{
    const int decimals = threeDecimals ? 3 : 6;
    const long long days = rt::daysBetween(moments.startDate, moments.endDate);
    const double minutes =
        elapsedMinutes(rt::minutesBetween(moments.startTime, moments.endTime), days);
    // The main engine's amount keeps all its decimals and has no digit before the point below
    // one (".500"), where the auxiliary's and the total drop their trailing zeros (22.50 is
    // "22.5"): the window has always shown them so, and officers read and copy them so. The total
    // adds the two amounts as rounded for the captions, so that it is their sum as the officer sees
    // them.
    const double mainAmount = rates.main / 60.0 * minutes;
    const double auxAmount = rt::roundHalfAwayFromZero(rates.aux / 60.0 * minutes, decimals);
    const double shownTotal = auxAmount + rt::roundHalfAwayFromZero(mainAmount, decimals);

    return {
        "主机用油量：" + rt::formatFixed(mainAmount, decimals) + " 公斤",
        "副机用油量：" + rt::numberToText(auxAmount) + " 公斤",
        "总共用油量：" + rt::numberToText(shownTotal) + " 公斤",
        "时差：" + rt::formatTimeDifference(moments.startTime, moments.endTime),
        "日差：" + std::to_string(days) + "天",
    };
}

} // namespace

Outcome calculate(const Inputs &inputs)
{
    const auto rates = readRates(inputs);
    if (const auto *bad = std::get_if<UnreadableInput>(&rates))
        return *bad;
    const auto moments = readMoments(inputs);
    if (const auto *bad = std::get_if<UnreadableInput>(&moments))
        return *bad;
    return captionsFor(std::get<Rates>(rates), std::get<Moments>(moments), inputs.threeDecimals);
}

} // namespace fuel::calc
