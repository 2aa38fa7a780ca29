#include "application.h"
#include "command_line.h"
#include "frm_main.h"
#include "window_system.h"

#include <QApplication>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

int main(int argc, char *argv[])
{
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const fuel::qt::CommandLineReply reply = fuel::qt::replyToCommandLine(arguments, FUEL_VERSION);
    if (!reply.opensWindow) {
        std::fputs(reply.standardOutput.c_str(), stdout);
        std::fputs(reply.standardError.c_str(), stderr);
        return reply.exitStatus;
    }
    if (!fuel::qt::prepareWindowSystem())
        return EXIT_FAILURE;

    QApplication application(argc, argv);
    fuel::qt::setUpApplication();

    const fuel::runtime::SystemClock clock;
    fuel::qt::FrmMain window(clock);
    window.show();
    // A platform that cannot make the window only warns, and the event loop would wait for ever
    // with nothing on the screen.
    if (!window.windowHandle()->handle()) {
        std::fputs("fuelcalc: the window system could not make the window\n", stderr);
        return EXIT_FAILURE;
    }
    return QApplication::exec();
}
