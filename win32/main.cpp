#include "win32/frm_main.h"
#include "win32/message_loop.h"
#include "win32/windows_clock.h"

#include <commctrl.h>
#include <objbase.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand)
{
    // The accessibility annotations are a COM service.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const fuel::win32::WindowsClock clock;
    int exitCode = 0;
    {
        fuel::win32::FrmMain window(clock);
        window.show(showCommand);
        exitCode = fuel::win32::runMessageLoop(window.handle());
    }
    CoUninitialize();
    return exitCode;
}
