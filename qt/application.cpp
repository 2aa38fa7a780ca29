#include "application.h"

#include "fonts.h"
#include "qt_translations.h"

#include <QApplication>

namespace fuel::qt {

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("fuelcalc"));
    QGuiApplication::setDesktopFileName(QStringLiteral("fuelcalc"));
    QApplication::setFont(windowFont());
    installChineseQtTexts();
}

} // namespace fuel::qt
