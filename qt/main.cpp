#include "application.h"
#include "frm_main.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    fuel::qt::setUpApplication();

    const fuel::runtime::SystemClock clock;
    fuel::qt::FrmMain window(clock);
    window.show();
    return QApplication::exec();
}
