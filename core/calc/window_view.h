#pragma once

#include <string>

namespace fuel::calc {

// The entry fields that the calculation reads.
enum class Field { MainRate, AuxRate, StartDate, StartTime, EndDate, EndTime };

// The five result captions of the status group.
enum class ResultLabel { MainAmount, AuxAmount, Total, ElapsedTime, ElapsedDays };

enum class Option { ThreeDecimals, RealTime };

// The part of the window that the handlers see. Each front-end implements it with its own
// controls; tests and benchmarks with plain members. Texts are UTF-8.
class WindowView {
public:
    virtual ~WindowView() = default;

    virtual std::string text(Field field) const = 0;
    virtual std::string caption(ResultLabel label) const = 0;
    virtual bool isTicked(Option option) const = 0;
    virtual bool hasFocus(Field field) const = 0;

    virtual void setText(Field field, const std::string &text) = 0;
    virtual void setCaption(ResultLabel label, const std::string &caption) = 0;
    // Changes the box without raising its change event: the handler that calls it finishes the
    // change itself.
    virtual void setTicked(Option option, bool ticked) = 0;
    virtual void setFieldEnabled(Field field, bool enabled) = 0;
    virtual void setCalculateEnabled(bool enabled) = 0;
    virtual void setTimerRunning(bool running) = 0;
    // Puts the keyboard focus in the field with its text selected, if the field is enabled.
    virtual void focus(Field field) = 0;
    // A modal box owned by the window: the error title and icon, one OK button; returns when it
    // is closed.
    virtual void showError(const std::string &message) = 0;
};

} // namespace fuel::calc
