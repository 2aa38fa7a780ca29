// parseTime on any bytes agrees with a second reading ("h:m:s" or "h:m", one or two digits
// each, on the 24-hour clock), and every time it reads comes back from formatTime's text.

#include "date_time_fields.h"

#include "runtime/date_time.h"

using namespace fuel;

namespace {

std::optional<runtime::TimeOfDay> readTime(std::string_view text)
{
    const fuzz::Piece hour{1, 2, 0, 23};
    const fuzz::Piece sixty{1, 2, 0, 59};
    auto values = fuzz::readPieces(text, ':', {hour, sixty, sixty});
    if (!values)
        values = fuzz::readPieces(text, ':', {hour, sixty});
    if (!values)
        return std::nullopt;
    values->resize(3, 0);
    return runtime::TimeOfDay{(*values)[0], (*values)[1], (*values)[2]};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text = fuzz::asText(data, size);
    const auto time = runtime::parseTime(text);
    fuzz::require(time == readTime(text), "parseTime agrees with the second reading", text);
    if (time)
        fuzz::require(runtime::parseTime(runtime::formatTime(*time)) == time,
                      "a time read comes back from its hh:mm:ss text", text);
    return 0;
}
