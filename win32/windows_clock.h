#pragma once

#include "runtime/clock.h"

namespace fuel::win32 {

// The local wall clock as Windows keeps it, time zone and daylight saving included.
class WindowsClock final : public runtime::Clock {
public:
    runtime::LocalDateTime now() const override;
};

} // namespace fuel::win32
