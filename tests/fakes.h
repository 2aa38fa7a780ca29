#pragma once

// Plain stand-ins for the window and the clock, for tests and benchmarks without widgets.

#include "calc/events.h"
#include "calc/window_view.h"
#include "runtime/clock.h"

#include <array>
#include <string>
#include <vector>

namespace fuel::testing {

class FixedClock final : public runtime::Clock {
public:
    runtime::LocalDateTime moment;
    runtime::LocalDateTime now() const override { return moment; }
};

class FakeView final : public calc::WindowView {
public:
    std::array<std::string, 6> texts{"65",       "15",         "2007-04-26",
                                     "00:00:00", "2007-04-26", "00:00:00"};
    std::array<std::string, 5> captions{"主机用油量：0 公斤", "副机用油量：0 公斤",
                                        "总共用油量：0 公斤", "时差：0", "日差：0"};
    std::array<bool, 4> enabled{true, true, true, false}; // calc::Switchable; the timer is off
    bool threeDecimals = true;
    bool realTime = false;
    int focusedField = -1;
    std::vector<std::string> messages;

    std::string &text(calc::Field field) { return texts[static_cast<std::size_t>(field)]; }
    const std::string &caption(calc::ResultLabel label) const
    {
        return captions[static_cast<std::size_t>(label)];
    }
    bool isEnabled(calc::Switchable control) const
    {
        return enabled[static_cast<std::size_t>(control)];
    }

    // The user ticks or unticks the real-time box.
    void clickRealTime()
    {
        realTime = !realTime;
        calc::onRealTimeToggled(*this);
    }

    std::string text(calc::Field field) const override
    {
        return texts[static_cast<std::size_t>(field)];
    }
    bool isTicked(calc::Option option) const override
    {
        return option == calc::Option::RealTime ? realTime : threeDecimals;
    }
    bool hasFocus(calc::Field field) const override
    {
        return focusedField == static_cast<int>(field);
    }
    void setCaption(calc::ResultLabel label, const std::string &caption) override
    {
        captions[static_cast<std::size_t>(label)] = caption;
    }
    void setEnabled(calc::Switchable control, bool on) override
    {
        enabled[static_cast<std::size_t>(control)] = on;
    }
    void focus(calc::Field field) override { focusedField = static_cast<int>(field); }
    void showError(const std::string &message) override { messages.push_back(message); }
    void untickRealTime() override
    {
        // As with the real box, a change made by the program raises the event at once.
        if (!realTime)
            return;
        realTime = false;
        calc::onRealTimeToggled(*this);
    }
};

} // namespace fuel::testing
