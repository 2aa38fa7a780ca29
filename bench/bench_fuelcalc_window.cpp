// The calculator's window as fuelcalc opens it, ended by the same hook as the bare window, so
// that bench_startup times both alike without a hook in the shipped program.

#include "exit_when_exposed.h"

#include "qt/application.h"
#include "qt/frm_main.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    fuel::qt::setUpApplication();

    const fuel::runtime::SystemClock clock;
    fuel::qt::FrmMain window(clock);
    fuel::bench::ExitWhenExposed::installOn(window);
    window.show();
    return QApplication::exec();
}
