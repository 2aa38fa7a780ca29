#include "clock.h"

#include <algorithm>
#include <ctime>

namespace fuel::runtime {

LocalDateTime SystemClock::now() const
{
    // The re-entrant calls, because MSVC rejects std::localtime as unsafe; each platform spells
    // its own with the arguments the other way round.
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    return {{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
            // A leap second (tm_sec 60) would make a time that no field accepts.
            {local.tm_hour, local.tm_min, std::min(local.tm_sec, 59)}};
}

} // namespace fuel::runtime
