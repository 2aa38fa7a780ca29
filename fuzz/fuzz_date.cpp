// parseDate on any bytes agrees with a second reading (three pieces split at "-" or "/", a year
// 0100-9999, a real Gregorian day), and every date it reads comes back from formatDate's text.

#include "date_time_fields.h"

#include "runtime/date_time.h"

#include <chrono>

using namespace fuel;

namespace {

std::optional<runtime::Date> readDate(std::string_view text)
{
    const std::vector<fuzz::Piece> yearMonthDay{{4, 4, 100, 9999}, {1, 2, 1, 12}, {1, 2, 1, 31}};
    auto values = fuzz::readPieces(text, '-', yearMonthDay);
    if (!values)
        values = fuzz::readPieces(text, '/', yearMonthDay);
    if (!values)
        return std::nullopt;
    const runtime::Date date{(*values)[0], (*values)[1], (*values)[2]};
    using namespace std::chrono;
    const year_month_day day{year{date.year}, month{static_cast<unsigned>(date.month)},
                             std::chrono::day{static_cast<unsigned>(date.day)}};
    if (!day.ok())
        return std::nullopt;
    return date;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text = fuzz::asText(data, size);
    const auto date = runtime::parseDate(text);
    fuzz::require(date == readDate(text), "parseDate agrees with the second reading", text);
    if (date)
        fuzz::require(runtime::parseDate(runtime::formatDate(*date)) == date,
                      "a date read comes back from its yyyy-mm-dd text", text);
    return 0;
}
