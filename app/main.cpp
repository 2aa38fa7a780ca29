#include "frm_main.h"

#include "exit_when_exposed.h"
#include "qt_translations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("fuelcalc"));
    QGuiApplication::setDesktopFileName(QStringLiteral("fuelcalc"));
    fuel::app::installChineseQtTexts();

    const fuel::runtime::SystemClock clock;
    fuel::app::FrmMain window(clock);
    fuel::app::ExitWhenExposed::installOn(window);
    window.show();
    return QApplication::exec();
}
