#include "windows_clock.h"

#include <windows.h>

namespace fuel::win32 {

runtime::LocalDateTime WindowsClock::now() const
{
    SYSTEMTIME local;
    GetLocalTime(&local);
    return {{local.wYear, local.wMonth, local.wDay}, {local.wHour, local.wMinute, local.wSecond}};
}

} // namespace fuel::win32
