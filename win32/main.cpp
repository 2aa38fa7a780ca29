#include "calc/messages.h"
#include "win32/com_and_common_controls.h"
#include "win32/frm_main.h"
#include "win32/message_loop.h"
#include "win32/utf.h"
#include "win32/windows_clock.h"

#include <cstdlib>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand)
{
    const fuel::win32::ComAndCommonControls comAndCommonControls;
    const fuel::win32::WindowsClock clock;
    const fuel::win32::WindowsSettings settings;
    fuel::win32::FrmMain window(clock, settings);
    // Without a window the message loop would wait for ever, unseen.
    if (!window.handle()) {
        MessageBoxW(nullptr, fuel::win32::toUtf16(fuel::calc::windowNotMadeMessage).c_str(),
                    fuel::win32::toUtf16(fuel::calc::errorTitle).c_str(), MB_ICONERROR | MB_OK);
        return EXIT_FAILURE;
    }
    window.show(showCommand);
    return fuel::win32::runMessageLoop(window.handle());
}
