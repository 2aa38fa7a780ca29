#include "com_and_common_controls.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

namespace fuel::win32 {

ComAndCommonControls::ComAndCommonControls()
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
}

ComAndCommonControls::~ComAndCommonControls() { CoUninitialize(); }

} // namespace fuel::win32
