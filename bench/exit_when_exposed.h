#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>

namespace fuel::bench {

// The start-up benchmark (bench_startup) runs the window programs with FUEL_EXIT_WHEN_EXPOSED=1 and
// times it from outside, from launch until "exposed" arrives on standard output; the program itself
// reads no clock, so this stays portable. Header-only, so that the bare window it is compared with
// uses the very same hook.
class ExitWhenExposed final : public QObject {
public:
    static void installOn(QWidget &window)
    {
        if (qEnvironmentVariableIntValue("FUEL_EXIT_WHEN_EXPOSED") == 1)
            window.installEventFilter(new ExitWhenExposed(&window));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A top-level widget is first painted when its window is exposed. Reporting from the
        // event queue lets that paint finish and reach the screen before the clock stops.
        if (event->type() == QEvent::Paint && !m_reported) {
            m_reported = true;
            QMetaObject::invokeMethod(
                this,
                [] {
                    std::puts("exposed");
                    std::fflush(stdout);
                    QCoreApplication::quit();
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    using QObject::QObject;

    bool m_reported = false;
};

} // namespace fuel::bench
