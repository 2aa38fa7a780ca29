// The whole calculation on six arbitrary texts and the decimals option. Input: one byte for the
// option ('6' asks for six decimals, anything else three), then the six texts in the order of
// calc::Field, separated by '\n'.
//
// Either all five captions come, with their fixed words around the figures and amounts that
// match the rates and the minutes between the two moments, or the first field that the
// conversions cannot read is named; through the view, the first writes five captions and says
// nothing, the second writes none and says one thing.

#include "check.h"

#include "calc/consumption.h"
#include "fakes.h"
#include "runtime/date_time.h"
#include "runtime/integer_text.h"
#include "runtime/number_text.h"

#include <array>
#include <chrono>
#include <cmath>
#include <optional>

using namespace fuel;
using calc::Field;

namespace {

calc::Inputs inputsFrom(std::string_view bytes)
{
    calc::Inputs inputs;
    inputs.threeDecimals = bytes.empty() || bytes.front() != '6';
    if (!bytes.empty())
        bytes.remove_prefix(1);
    for (std::string &text : inputs.texts) {
        const auto end = bytes.find('\n');
        text = std::string(bytes.substr(0, end));
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
    return inputs;
}

// The rates first, then the times, then the dates: the order in which the window names them.
std::optional<Field> firstUnreadable(const calc::Inputs &inputs)
{
    if (!runtime::parseInt32(inputs.text(Field::MainRate)))
        return Field::MainRate;
    if (!runtime::parseInt32(inputs.text(Field::AuxRate)))
        return Field::AuxRate;
    if (!runtime::parseTime(inputs.text(Field::StartTime)))
        return Field::StartTime;
    if (!runtime::parseTime(inputs.text(Field::EndTime)))
        return Field::EndTime;
    if (!runtime::parseDate(inputs.text(Field::StartDate)))
        return Field::StartDate;
    if (!runtime::parseDate(inputs.text(Field::EndDate)))
        return Field::EndDate;
    return std::nullopt;
}

// The figure between a caption's fixed words.
std::string_view figureOf(std::string_view caption, std::string_view prefix,
                          std::string_view suffix)
{
    const bool framed = caption.size() > prefix.size() + suffix.size() &&
                        caption.substr(0, prefix.size()) == prefix &&
                        caption.substr(caption.size() - suffix.size()) == suffix;
    fuzz::require(framed, "a caption keeps its fixed words around a figure", caption);
    return caption.substr(prefix.size(), caption.size() - prefix.size() - suffix.size());
}

double amountOf(std::string_view caption, std::string_view prefix)
{
    const auto amount = fuzz::amountOf(figureOf(caption, prefix, " 公斤"));
    fuzz::require(amount.has_value(), "an amount reads as a number", caption);
    return *amount;
}

long long daysFrom(const runtime::Date &from, const runtime::Date &to)
{
    using namespace std::chrono;
    const auto day = [](const runtime::Date &date) {
        return sys_days{year{date.year} / static_cast<unsigned>(date.month) /
                        static_cast<unsigned>(date.day)};
    };
    return (day(to) - day(from)).count();
}

void checkCaptions(const calc::Inputs &inputs, const calc::Captions &captions)
{
    const auto mainRate = *runtime::parseInt32(inputs.text(Field::MainRate));
    const auto auxRate = *runtime::parseInt32(inputs.text(Field::AuxRate));
    const auto startTime = *runtime::parseTime(inputs.text(Field::StartTime));
    const auto endTime = *runtime::parseTime(inputs.text(Field::EndTime));
    const long long days = daysFrom(*runtime::parseDate(inputs.text(Field::StartDate)),
                                    *runtime::parseDate(inputs.text(Field::EndDate)));

    const auto minuteOf = [](const runtime::TimeOfDay &time) {
        return time.hour * 60 + time.minute;
    };
    // Whole days count only forwards; the time of day always counts.
    const long long minutes = minuteOf(endTime) - minuteOf(startTime) + std::max(0LL, days) * 1440;
    const int decimals = inputs.threeDecimals ? 3 : 6;

    const std::string_view mainFigure = figureOf(captions.mainAmount, "主机用油量：", " 公斤");
    fuzz::require(mainFigure.size() > static_cast<std::size_t>(decimals) &&
                      mainFigure[mainFigure.size() - decimals - 1] == '.',
                  "the main amount shows the decimals asked for", captions.mainAmount);
    const double mainAmount = amountOf(captions.mainAmount, "主机用油量：");
    const double auxAmount = amountOf(captions.auxAmount, "副机用油量：");
    const double total = amountOf(captions.total, "总共用油量：");

    const auto near = [decimals](double shown, long double exact) {
        const long double allowed = 0.5L * std::pow(10.0L, -decimals) + std::fabs(exact) * 1e-13L;
        return std::fabs(static_cast<long double>(shown) - exact) <= allowed;
    };
    fuzz::require(near(mainAmount, static_cast<long double>(mainRate) * minutes / 60),
                  "the main amount is its rate times the hours", captions.mainAmount);
    fuzz::require(near(auxAmount, static_cast<long double>(auxRate) * minutes / 60),
                  "the auxiliary amount is its rate times the hours", captions.auxAmount);
    fuzz::require(std::fabs(total - (mainAmount + auxAmount)) <= std::fabs(total) * 1e-14 + 1e-9,
                  "the total adds the two amounts shown", captions.total);

    const std::string_view gap = figureOf(captions.elapsedTime, "时差：", "分");
    const int seconds =
        std::abs((endTime.hour - startTime.hour) * 3600 + (endTime.minute - startTime.minute) * 60 +
                 endTime.second - startTime.second);
    char expectedGap[32];
    std::snprintf(expectedGap, sizeof expectedGap, "%02d时%02d", seconds / 3600,
                  seconds % 3600 / 60);
    fuzz::require(gap == expectedGap, "时差 shows the time-of-day difference",
                  captions.elapsedTime);
    fuzz::require(figureOf(captions.elapsedDays, "日差：", "天") == std::to_string(days),
                  "日差 shows the midnights between the dates", captions.elapsedDays);
}

// The same texts through the view that the window gives the calculation.
void checkThroughTheView(const calc::Inputs &inputs, const calc::Outcome &outcome)
{
    testing::FakeView view;
    view.texts = inputs.texts;
    view.threeDecimals = inputs.threeDecimals;
    const auto before = view.captions;
    calc::onCalculateClicked(view);
    if (const auto *captions = std::get_if<calc::Captions>(&outcome)) {
        fuzz::require(view.messages.empty(), "a readable run says nothing");
        fuzz::require(view.captions == decltype(view.captions){captions->mainAmount,
                                                               captions->auxAmount, captions->total,
                                                               captions->elapsedTime,
                                                               captions->elapsedDays},
                      "a readable run writes all five captions");
        return;
    }
    const Field field = std::get<calc::UnreadableInput>(outcome).field;
    fuzz::require(view.messages.size() == 1, "an unreadable run says one thing");
    fuzz::require(view.captions == before, "an unreadable run writes no caption");
    fuzz::require(view.focusedField == static_cast<int>(field), "the focus goes to the field");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes = fuzz::asText(data, size);
    const calc::Inputs inputs = inputsFrom(bytes);
    const calc::Outcome outcome = calc::calculate(inputs);

    const auto unreadable = firstUnreadable(inputs);
    if (unreadable) {
        fuzz::require(outcome == calc::Outcome{calc::UnreadableInput{*unreadable}},
                      "the first unreadable field is named", bytes);
    } else {
        fuzz::require(std::holds_alternative<calc::Captions>(outcome),
                      "readable texts give captions", bytes);
        checkCaptions(inputs, std::get<calc::Captions>(outcome));
    }
    checkThroughTheView(inputs, outcome);
    return 0;
}
