#include "system_settings.h"

#include <windows.h>

namespace fuel::win32 {

bool WindowsSettings::highContrast() const
{
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof setting;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
           (setting.dwFlags & HCF_HIGHCONTRASTON);
}

} // namespace fuel::win32
