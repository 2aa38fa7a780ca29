#include "clock.h"

#include <algorithm>
#include <ctime>

namespace fuel::runtime {

LocalDateTime SystemClock::now() const
{
    // std::localtime is the portable call; the program has a single thread, so its shared
    // buffer is safe here.
    const std::time_t seconds = std::time(nullptr);
    const std::tm local = *std::localtime(&seconds);
    return {{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
            // A leap second (tm_sec 60) would make a time that no field accepts.
            {local.tm_hour, local.tm_min, std::min(local.tm_sec, 59)}};
}

} // namespace fuel::runtime
