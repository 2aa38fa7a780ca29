#pragma once

// The calculator's one window, drawn with Qt widgets.
//
// Where things are: the window's controls, places, texts and looks come from the core's
// description table (form/design.h), which FrmMain loops over; the handlers of its events and
// the whole calculation are the core's (calc/events.h, calc/consumption.h); WidgetView is the
// adapter through which they read and write the widgets. This file only draws and wires.

#include "widget_view.h"

#include "form/design.h"
#include "runtime/clock.h"

#include <QElapsedTimer>
#include <QWidget>

#include <map>
#include <string_view>

class QMenu;
class QTimer;

namespace fuel::qt {

class FrmMain : public QWidget {
    Q_OBJECT
public:
    explicit FrmMain(const runtime::Clock &clock, QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void setUpWindow();
    void createControls();
    void setUpTimer();
    QWidget *createControl(const form::Control &control);
    QWidget *container(const form::Control &control);
    void applyColours();
    void addCopyMenu();
    void applyTabOrder();
    void connectEvents();
    void centreOnScreen();
    void leaveSizedState();
    void copyResults() const;

    const runtime::Clock &m_clock;
    QTimer *const m_timer;
    std::map<std::string_view, QWidget *> m_controls;
    WidgetView m_view;
    QElapsedTimer m_sizedStateLeft;
};

} // namespace fuel::qt
