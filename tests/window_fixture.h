#pragma once

// The window on a clock that the test sets, with its messages collected instead of shown.

#include "fakes.h"

#include "app/frm_main.h"

#include <QStringList>

#include <memory>

namespace fuel::testing {

class WindowFixture {
protected:
    void openWindow(const runtime::LocalDateTime &moment)
    {
        m_clock.moment = moment;
        m_window = std::make_unique<app::FrmMain>(m_clock);
        m_messages.clear();
        m_window->setErrorPresenter([this](const QString &message) { m_messages << message; });
    }

    template <class Widget = QWidget> Widget *child(const QString &name) const
    {
        auto *widget = m_window->findChild<Widget *>(name);
        if (!widget)
            qFatal("no control named %s", qPrintable(name));
        return widget;
    }

    FixedClock m_clock;
    std::unique_ptr<app::FrmMain> m_window;
    QStringList m_messages;
};

} // namespace fuel::testing
