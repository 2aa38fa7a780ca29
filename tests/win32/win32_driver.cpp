// The main of the Win32 window tests, and the window that the behaviour suite drives.

#define DOCTEST_CONFIG_IMPLEMENT
#include "win32_driver.h"

#include "win32/program_services.h"

#include <doctest.h>

std::unique_ptr<fuel::testing::WindowDriver>
fuel::testing::openWindow(runtime::LocalDateTime moment)
{
    return std::make_unique<Win32Driver>(moment);
}

int main(int argc, char **argv)
{
    const fuel::win32::ProgramServices services;
    return doctest::Context(argc, argv).run();
}
