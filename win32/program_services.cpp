#include "program_services.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

namespace fuel::win32 {

ProgramServices::ProgramServices()
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
}

ProgramServices::~ProgramServices() { CoUninitialize(); }

} // namespace fuel::win32
