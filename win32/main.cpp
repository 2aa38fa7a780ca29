#include "win32/frm_main.h"
#include "win32/message_loop.h"
#include "win32/program_services.h"
#include "win32/windows_clock.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand)
{
    const fuel::win32::ProgramServices services;
    const fuel::win32::WindowsClock clock;
    fuel::win32::FrmMain window(clock);
    window.show(showCommand);
    return fuel::win32::runMessageLoop(window.handle());
}
