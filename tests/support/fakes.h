#pragma once

// Plain stand-ins for the window and the clock, for tests, benchmarks and fuzzers without a
// window.

#include "calc/events.h"
#include "calc/window_view.h"
#include "runtime/clock.h"

#include <array>
#include <string>
#include <vector>

namespace fuel::testing {

// Counts its readings: an event reads the clock once, so that a run across midnight cannot mix
// two days.
class FixedClock final : public runtime::Clock {
public:
    runtime::LocalDateTime moment{{2007, 4, 26}, {0, 0, 0}};
    mutable int readings = 0;
    runtime::LocalDateTime now() const override
    {
        ++readings;
        return moment;
    }
};

// The window in its design-time state, indexed by the calculation's enums.
class FakeView final : public calc::WindowView {
public:
    std::array<std::string, calc::allFields.size()> texts{"65",       "15",         "2007-04-26",
                                                          "00:00:00", "2007-04-26", "00:00:00"};
    std::array<std::string, calc::allResultLabels.size()> captions{
        "主机用油量：0 公斤", "副机用油量：0 公斤", "总共用油量：0 公斤", "时差：0", "日差：0"};
    std::array<bool, calc::allFields.size()> fieldEnabled{true, true, true, true, true, true};
    bool calculateEnabled = true;
    bool timerRunning = false;
    bool threeDecimals = true;
    bool realTime = false;
    int focusedField = -1;
    std::vector<std::string> messages;

    std::string &text(calc::Field field) { return texts[calc::indexOf(field)]; }
    bool isEnabled(calc::Field field) const { return fieldEnabled[calc::indexOf(field)]; }

    // Whether every control real-time mode switches is as it is when the mode is off.
    bool isIdle() const
    {
        return !timerRunning && calculateEnabled && isEnabled(calc::Field::StartDate) &&
               isEnabled(calc::Field::StartTime);
    }

    // The user ticks or unticks the real-time box.
    void clickRealTime()
    {
        realTime = !realTime;
        calc::onRealTimeToggled(*this);
    }

    std::string text(calc::Field field) const override { return texts[calc::indexOf(field)]; }
    std::string caption(calc::ResultLabel label) const override
    {
        return captions[calc::indexOf(label)];
    }
    bool isTicked(calc::Option option) const override
    {
        return option == calc::Option::RealTime ? realTime : threeDecimals;
    }
    bool hasFocus(calc::Field field) const override
    {
        return focusedField == static_cast<int>(field);
    }
    void setText(calc::Field field, const std::string &text) override
    {
        texts[calc::indexOf(field)] = text;
    }
    void setCaption(calc::ResultLabel label, const std::string &caption) override
    {
        captions[calc::indexOf(label)] = caption;
    }
    void setTicked(calc::Option option, bool ticked) override
    {
        (option == calc::Option::RealTime ? realTime : threeDecimals) = ticked;
    }
    void setFieldEnabled(calc::Field field, bool enabled) override
    {
        fieldEnabled[calc::indexOf(field)] = enabled;
    }
    void setCalculateEnabled(bool enabled) override { calculateEnabled = enabled; }
    void setTimerRunning(bool running) override { timerRunning = running; }
    void focus(calc::Field field) override
    {
        if (isEnabled(field))
            focusedField = static_cast<int>(field);
    }
    void showError(const std::string &message) override { messages.push_back(message); }
};

} // namespace fuel::testing
