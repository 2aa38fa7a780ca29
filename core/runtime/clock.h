#pragma once

#include "date_time.h"

namespace fuel::runtime {

struct LocalDateTime {
    Date date;
    TimeOfDay time;
    bool operator==(const LocalDateTime &) const = default;
};

// The local wall clock, behind an interface so that tests and benchmarks can set any moment.
class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime now() const = 0;
};

class SystemClock final : public Clock {
public:
    LocalDateTime now() const override;
};

} // namespace fuel::runtime
