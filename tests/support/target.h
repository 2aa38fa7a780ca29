#pragma once

// A control as a test names it: by the part it plays (a field, an option, a result), as the
// button or the window itself, or, for what plays none, as the design's table lists it. The
// drivers find the control by the designed name behind it, which is how each toolkit looks an
// object up, so that a reader of a test never has to know which designed name is which field.

#include "calc/window_view.h"
#include "form/design.h"

#include <optional>
#include <ostream>
#include <string_view>
#include <type_traits>
#include <variant>

namespace fuel::testing {

// What a test names that the calculation's view knows by no value of its own: the window itself,
// and the one button of the design.
enum class Part { Window, Button };

class Target {
public:
    constexpr Target() = default; // none of the window's controls
    constexpr Target(calc::Field field)
        : m_what(field)
    {
    }
    constexpr Target(calc::Option option)
        : m_what(option)
    {
    }
    constexpr Target(calc::ResultLabel label)
        : m_what(label)
    {
    }
    constexpr Target(Part part)
        : m_what(part)
    {
    }

    // A frame or a fixed caption, which the calculation never reads or writes.
    static constexpr Target unroled(std::string_view name)
    {
        Target target;
        target.m_what = name;
        return target;
    }
    // The control of a row of the design's table, by its part where it plays one, so that it
    // equals the target a test names.
    static Target of(const form::Control &control)
    {
        if (control.kind == form::Kind::Button)
            return Part::Button;
        return std::visit(
            [&control](auto role) {
                if constexpr (std::is_same_v<decltype(role), std::monostate>)
                    return unroled(control.name);
                else
                    return Target(role);
            },
            control.role);
    }
    // The control that has the designed name, or none.
    static Target named(std::string_view name)
    {
        for (const form::Control &control : form::controls()) {
            if (control.name == name)
                return of(control);
        }
        return {};
    }

    bool isWindow() const { return m_what == What(Part::Window); }
    std::optional<calc::Field> field() const
    {
        if (const auto *field = std::get_if<calc::Field>(&m_what))
            return *field;
        return std::nullopt;
    }
    // The row of the design's table; none for the window itself and for no control.
    const form::Control *designed() const
    {
        return std::visit(
            [](auto what) -> const form::Control * {
                using What = decltype(what);
                if constexpr (std::is_same_v<What, std::monostate>)
                    return nullptr;
                else if constexpr (std::is_same_v<What, Part>)
                    return what == Part::Window ? nullptr
                                                : &form::onlyControlOf(form::Kind::Button);
                else if constexpr (std::is_same_v<What, std::string_view>)
                    return &form::controlNamed(what);
                else
                    return &form::controlFor(what);
            },
            m_what);
    }

    bool operator==(const Target &) const = default;

private:
    using What = std::variant<std::monostate, calc::Field, calc::Option, calc::ResultLabel, Part,
                              std::string_view>;
    What m_what;
};

// What plays no part in the calculation, which only the design's names tell apart.
inline constexpr Target settingsGroup = Target::unroled("Frame(0)");
inline constexpr Target statusGroup = Target::unroled("Frame(1)");
inline constexpr Target creditLine = Target::unroled("Label(0)");
inline constexpr Target ratesCaption = Target::unroled("Label(1)");
inline constexpr Target startCaption = Target::unroled("Label(2)");
inline constexpr Target endCaption = Target::unroled("Label(3)");

// In a failed check's message: the designed name, which the window's objects carry.
inline std::ostream &operator<<(std::ostream &out, const Target &target)
{
    if (target.isWindow())
        return out << "the window";
    if (const form::Control *control = target.designed())
        return out << control->name;
    return out << "no control";
}

} // namespace fuel::testing
