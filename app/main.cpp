#include "frm_main.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("fuelcalc"));
    QGuiApplication::setDesktopFileName(QStringLiteral("fuelcalc"));

    const fuel::runtime::SystemClock clock;
    fuel::app::FrmMain window(clock);
    window.show();
    return QApplication::exec();
}
