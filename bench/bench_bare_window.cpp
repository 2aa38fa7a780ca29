// The yardstick for fuelcalc's start-up: a bare Qt window of the same size with one label in
// Chinese in the face the calculator draws with on Debian, shown the same way and ended by the same
// hook: what is left between the two is the calculator's own work, not the cost of its face.

#include "exit_when_exposed.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(369, 290);
    window.setFont(QFont(QStringLiteral("AR PL UMing CN"), 9));
    QLabel label(QStringLiteral("主副机油耗计算器"), &window);
    fuel::bench::ExitWhenExposed::installOn(window);
    window.show();
    return QApplication::exec();
}
