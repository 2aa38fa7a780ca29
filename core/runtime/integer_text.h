#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace fuel::runtime {

// A whole number typed by a person: optional spaces around it, an optional sign, digits, and a
// value that fits a 32-bit signed integer; full-width forms read as ASCII ones. Anything else
// has no value.
std::optional<std::int32_t> parseInt32(std::string_view text);

} // namespace fuel::runtime
