#pragma once

// The window on a clock that the test sets. Its message boxes are real: each one that opens is
// read and closed at once, so a test sees what the officer would have seen.

#include "fakes.h"

#include "qt/frm_main.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

#include <memory>

namespace fuel::testing {

struct ShownMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QStringList buttons;
};

class MessageBoxReader final : public QObject {
public:
    MessageBoxReader() { qApp->installEventFilter(this); }
    ~MessageBoxReader() override { qApp->removeEventFilter(this); }

    QList<ShownMessage> shown;

    QStringList texts() const
    {
        QStringList texts;
        for (const ShownMessage &message : shown)
            texts << message.text;
        return texts;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *box = qobject_cast<QMessageBox *>(watched);
        if (box && event->type() == QEvent::Show) {
            QStringList buttons;
            for (const QAbstractButton *button : box->buttons())
                buttons << button->text();
            shown.append({box->windowTitle(), box->text(), box->icon(), buttons});
            // Closed from inside its own modal loop, as a click on its button would.
            QTimer::singleShot(0, box, &QMessageBox::accept);
        }
        return QObject::eventFilter(watched, event);
    }
};

class WindowFixture {
protected:
    void openWindow(const runtime::LocalDateTime &moment)
    {
        m_clock.moment = moment;
        m_window = std::make_unique<qt::FrmMain>(m_clock);
        m_boxes.shown.clear();
    }

    QStringList messages() const { return m_boxes.texts(); }

    template <class Widget = QWidget> Widget *child(const QString &name) const
    {
        auto *widget = m_window->findChild<Widget *>(name);
        if (!widget)
            qFatal("no control named %s", qPrintable(name));
        return widget;
    }

    FixedClock m_clock;
    std::unique_ptr<qt::FrmMain> m_window;
    MessageBoxReader m_boxes;
};

} // namespace fuel::testing
