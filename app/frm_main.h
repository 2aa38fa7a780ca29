#pragma once

// The calculator's one window.
//
// The road of a calculation: the window opens with today's date in both date fields, 00:00:00
// as the start time and the present time as the end time. The officer types the start of the
// passage (the key filters let only digits and the separator through) and the two hourly rates,
// then presses "计算". calc::onCalculateClicked reads the six fields through WidgetView, converts
// them, counts the minutes between the two times of day and the midnights between the two
// dates, adds whole days only when there are some, multiplies, rounds to three or six decimals
// and writes the five result captions, or writes none and names the field it could not read.
// Ticking "实时计算油量" does the same on every tick of Timer1 with the clock as the end moment.

#include "widget_view.h"

#include "runtime/clock.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTimer;

namespace fuel::app {

class CaptionFrame;
class FilteredLineEdit;
class StackedCaptionButton;

class FrmMain : public QWidget {
    Q_OBJECT
public:
    explicit FrmMain(const runtime::Clock &clock, QWidget *parent = nullptr);

    // Messages go to a modal box; tests may watch them instead.
    void setErrorPresenter(ErrorPresenter presentError);

private:
    void styleResultLabels();
    void styleCreditLabel();
    void addCopyMenu();
    void applyTabOrder();
    void connectEvents();
    void loadDefaults();
    void centreOnScreen();
    void showErrorBox(const QString &message);

    const runtime::Clock &m_clock;

    CaptionFrame *const m_settingsFrame;
    QLabel *const m_startRowCaption;
    FilteredLineEdit *const m_txtStartDate1;
    FilteredLineEdit *const m_txtStartTime1;
    StackedCaptionButton *const m_command1;
    QLabel *const m_endRowCaption;
    QLineEdit *const m_txtStartDate2;
    QLineEdit *const m_txtStartTime2;
    QLabel *const m_ratesCaption;
    FilteredLineEdit *const m_text1;
    FilteredLineEdit *const m_text2;
    QCheckBox *const m_check2;
    QCheckBox *const m_check1;
    QTimer *const m_timer1;

    CaptionFrame *const m_statusFrame;
    QLabel *const m_label1;
    QLabel *const m_label2;
    QLabel *const m_label5;
    QLabel *const m_label3;
    QLabel *const m_label4;

    QLabel *const m_creditLabel;

    WidgetView m_view;
};

} // namespace fuel::app
