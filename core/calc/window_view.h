#pragma once

#include <array>
#include <cstddef>
#include <cstdlib>
#include <string>

namespace fuel::calc {

// The entry fields that the calculation reads.
enum class Field { MainRate, AuxRate, StartDate, StartTime, EndDate, EndTime };

// The five result captions of the status group.
enum class ResultLabel { MainAmount, AuxAmount, Total, ElapsedTime, ElapsedDays };

enum class Option { ThreeDecimals, RealTime };

// Each enumeration's values in order: what an array indexed by one takes its size from.
inline constexpr std::array allFields{Field::MainRate,  Field::AuxRate, Field::StartDate,
                                      Field::StartTime, Field::EndDate, Field::EndTime};
inline constexpr std::array allResultLabels{ResultLabel::MainAmount, ResultLabel::AuxAmount,
                                            ResultLabel::Total, ResultLabel::ElapsedTime,
                                            ResultLabel::ElapsedDays};
inline constexpr std::array allOptions{Option::ThreeDecimals, Option::RealTime};

namespace detail {

template <class Enum, std::size_t count>
std::size_t checkedIndex(Enum value, const std::array<Enum, count> &)
{
    const auto index = static_cast<std::size_t>(value);
    if (index >= count)
        std::abort(); // a number cast to the enumeration that is none of its values
    return index;
}

} // namespace detail

// The value's place in its list, the index of an array sized by the list.
inline std::size_t indexOf(Field value) { return detail::checkedIndex(value, allFields); }
inline std::size_t indexOf(ResultLabel value)
{
    return detail::checkedIndex(value, allResultLabels);
}
inline std::size_t indexOf(Option value) { return detail::checkedIndex(value, allOptions); }

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
