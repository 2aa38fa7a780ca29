#include "cases.h"
#include "fakes.h"

#include "calc/consumption.h"
#include "calc/events.h"
#include "calc/messages.h"
#include "form/design.h"

#include <doctest.h>

#include <set>

using namespace fuel::calc;
using fuel::testing::FakeView;
using fuel::testing::FixedClock;
namespace cases = fuel::testing::cases;

namespace {

void put(Inputs &inputs, Field field, std::string_view text) { inputs.text(field) = text; }

Inputs inputsOf(const cases::Calculation &c)
{
    Inputs inputs;
    inputs.threeDecimals = c.threeDecimals;
    for (std::size_t i = 0; i < c.texts.size(); ++i)
        put(inputs, allFields[i], c.texts[i]);
    return inputs;
}

std::string shown(const Outcome &outcome)
{
    if (const auto *bad = std::get_if<UnreadableInput>(&outcome))
        return "unreadable " + std::string(fuel::form::controlFor(bad->field).name);
    const auto &c = std::get<Captions>(outcome);
    return c.mainAmount + " | " + c.auxAmount + " | " + c.total + " | " + c.elapsedTime + " | " +
           c.elapsedDays + " | ";
}

} // namespace

TEST_CASE("the calculation's captions")
{
    for (const cases::Calculation &c : cases::calculations) {
        INFO(c.row);
        CHECK(shown(calculate(inputsOf(c))) == cases::joined(cases::captionsOf(c), " | "));
    }
}

TEST_CASE("the first unreadable field in reading order")
{
    for (const cases::Unreadable &c : cases::unreadableInputs) {
        INFO(c.row);
        Inputs inputs = inputsOf(cases::good);
        put(inputs, c.field, c.text);
        if (c.otherField)
            put(inputs, *c.otherField, c.otherText);
        CHECK(shown(calculate(inputs)) ==
              "unreadable " + std::string(fuel::form::controlFor(c.named).name));
    }
}

// Any text in any field: either captions or the one unreadable field, that one.
TEST_CASE("hostile texts give captions or name their own field")
{
    for (const cases::Hostile &hostile : cases::hostileTexts) {
        std::string text;
        for (int i = 0; i < hostile.times; ++i)
            text += hostile.text;
        for (const Field field : allFields) {
            INFO(hostile.row, " in ", fuel::form::controlFor(field).name);
            Inputs inputs = inputsOf(cases::good);
            put(inputs, field, text);
            const Outcome outcome = calculate(inputs);
            if (const auto *bad = std::get_if<UnreadableInput>(&outcome))
                CHECK(bad->field == field);
        }
    }
}

TEST_CASE("the start-up defaults come from the clock")
{
    for (const cases::StartUp &c : cases::startUpDefaults) {
        INFO(c.row);
        FakeView view;
        FixedClock clock;
        clock.moment = c.moment;
        onLoad(view, clock);
        for (std::size_t i = 0; i < c.texts.size(); ++i)
            CHECK(view.texts[i] == c.texts[i]);
    }
}

TEST_CASE("the real-time start check, then the first tick")
{
    for (const cases::StartRow &c : cases::realTimeStartRows) {
        INFO(c.row);
        FakeView view;
        view.text(Field::StartDate) = c.date;
        view.text(Field::StartTime) = c.time;
        CHECK(startFieldsLookValid(view.text(Field::StartDate), view.text(Field::StartTime)) ==
              (c.outcome != cases::Start::Refused));
        const auto before = view.captions;
        view.clickRealTime();
        FixedClock clock;
        clock.moment = {{2007, 4, 26}, {1, 0, 0}};
        if (view.timerRunning)
            onTimerTick(view, clock);
        CHECK(view.realTime == (c.outcome == cases::Start::Runs));
        if (c.outcome == cases::Start::Runs) {
            CHECK(view.messages.empty());
            CHECK_FALSE(view.captions == before);
            continue;
        }
        CHECK(view.isIdle());
        CHECK(view.captions == before);
        CHECK(view.messages.size() == 1);
        if (c.outcome == cases::Start::StopsAtFirstTick) {
            CHECK(view.messages.front() == unreadableMessage(*c.named));
            CHECK(view.focusedField == static_cast<int>(*c.named));
        }
    }
}

// What a message and a screen reader say of each field: its own name.
TEST_CASE("each field has its own words, and its message names it")
{
    std::set<std::string> names;
    for (const Field field : allFields) {
        INFO(fuel::form::controlFor(field).name);
        const std::string message = unreadableMessage(field);
        names.insert(fieldName(field));
        CHECK(message.starts_with(fieldName(field)));
        CHECK(message.ends_with("请重新输入。"));
    }
    CHECK(names.size() == allFields.size());
}
