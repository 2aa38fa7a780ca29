#include "frm_main.h"
#include "qt_translations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("fuelcalc"));
    QGuiApplication::setDesktopFileName(QStringLiteral("fuelcalc"));
    fuel::qt::installChineseQtTexts();

    const fuel::runtime::SystemClock clock;
    fuel::qt::FrmMain window(clock);
    window.show();
    return QApplication::exec();
}
