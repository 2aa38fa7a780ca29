#pragma once

#include <string>

namespace fuel::calc {

// The entry fields that the calculation reads.
enum class Field { MainRate, AuxRate, StartDate, StartTime, EndDate, EndTime };

// The five result captions of the status group.
enum class ResultLabel { MainAmount, AuxAmount, Total, ElapsedTime, ElapsedDays };

// What real-time mode switches on and off.
enum class Switchable { StartDate, StartTime, CalculateButton, Timer };

enum class Option { ThreeDecimals, RealTime };

// The part of the window that the calculation and real-time mode see. The window implements it
// with widgets; tests and benchmarks with plain members.
class WindowView {
public:
    virtual ~WindowView() = default;

    virtual std::string text(Field field) const = 0; // UTF-8
    virtual bool isTicked(Option option) const = 0;
    virtual bool hasFocus(Field field) const = 0;

    virtual void setCaption(ResultLabel label, const std::string &caption) = 0;
    virtual void setEnabled(Switchable control, bool enabled) = 0;
    virtual void focus(Field field) = 0;
    // A modal message titled "错误" with the critical icon; returns when it is closed.
    virtual void showError(const std::string &message) = 0;
    // Unticks the real-time box. Like a click, this raises its change event before returning.
    virtual void untickRealTime() = 0;
};

} // namespace fuel::calc
