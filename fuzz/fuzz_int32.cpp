// parseInt32 on any bytes agrees with std::from_chars on the same rule (full-width forms as ASCII,
// spaces around, one optional sign), and every value it reads comes back from its own decimal text.

#include "check.h"

#include "runtime/integer_text.h"

#include <charconv>
#include <optional>

using namespace fuel;

namespace {

std::optional<std::int32_t> readByFromChars(std::string_view typed)
{
    const std::string ascii = fuzz::asciiFormsOf(typed);
    std::string_view text = fuzz::withoutSpaces(ascii);
    // from_chars takes a minus but no plus, so a plus is dropped here, and "+-5" stays refused.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-')
            return std::nullopt;
    }
    std::int32_t value = 0;
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end)
        return std::nullopt;
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text = fuzz::asText(data, size);
    const auto value = runtime::parseInt32(text);
    fuzz::require(value == readByFromChars(text), "parseInt32 agrees with std::from_chars", text);
    if (value)
        fuzz::require(runtime::parseInt32(std::to_string(*value)) == value,
                      "a value read comes back from its decimal text", text);
    return 0;
}
