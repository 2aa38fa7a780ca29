#include "frm_main.h"

#include "caption_frame.h"
#include "design.h"
#include "filtered_line_edit.h"
#include "fonts.h"
#include "stacked_caption_button.h"

#include "calc/events.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace fuel::app {

namespace {

using input::FilteredField;

constexpr const char *tabRankProperty = "tabRank";

void setDesignText(QGroupBox *frame, const QString &text) { frame->setTitle(text); }
void setDesignText(QLabel *label, const QString &text)
{
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
}
void setDesignText(QLineEdit *edit, const QString &text) { edit->setText(text); }
void setDesignText(QAbstractButton *button, const QString &text) { button->setText(text); }

template <class Widget> Widget *placed(Widget *widget, const design::Control &control)
{
    widget->setObjectName(QString::fromLatin1(control.name));
    widget->setGeometry(design::toPixels(control.place));
    widget->setProperty(tabRankProperty, control.tabRank);
    setDesignText(widget, QString::fromUtf8(control.text));
    return widget;
}

QLabel *fittedLabel(const design::Control &control, const QFont &font, QWidget *parent)
{
    auto *label = placed(new QLabel(parent), control);
    label->setFont(font);
    setFittedText(label, label->text());
    return label;
}

FilteredLineEdit *filteredEdit(const design::Control &control, FilteredField field, QWidget *parent)
{
    return placed(new FilteredLineEdit(field, parent), control);
}

QCheckBox *checkBox(const design::Control &control, bool ticked, QWidget *parent)
{
    auto *box = placed(new QCheckBox(parent), control);
    box->setChecked(ticked);
    return box;
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// The designed images: 32 × 32 in 16 colours, 16 × 16 in 16 colours, and 32 × 32 in two colours
// for monochrome displays.
QIcon programIcon()
{
    QIcon icon;
    for (const char *image : {"fuelcalc-32-16c", "fuelcalc-16-16c", "fuelcalc-32-2c"})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(QLatin1String(image)));
    return icon;
}

} // namespace

FrmMain::FrmMain(const runtime::Clock &clock, QWidget *parent)
    : QWidget(parent),
      m_clock(clock),
      m_settingsFrame(placed(new CaptionFrame(this), design::settingsFrame)),
      m_startRowCaption(fittedLabel(design::startRowCaption, windowFont(), m_settingsFrame)),
      m_txtStartDate1(
          filteredEdit(design::txtStartDate1, FilteredField::StartDate, m_settingsFrame)),
      m_txtStartTime1(
          filteredEdit(design::txtStartTime1, FilteredField::StartTime, m_settingsFrame)),
      m_command1(placed(new StackedCaptionButton(m_settingsFrame), design::command1)),
      m_endRowCaption(fittedLabel(design::endRowCaption, windowFont(), m_settingsFrame)),
      m_txtStartDate2(placed(new QLineEdit(m_settingsFrame), design::txtStartDate2)),
      m_txtStartTime2(placed(new QLineEdit(m_settingsFrame), design::txtStartTime2)),
      // Created before the rate boxes, so that they are stacked above it.
      m_ratesCaption(fittedLabel(design::ratesCaption, windowFont(), m_settingsFrame)),
      m_text1(filteredEdit(design::text1, FilteredField::Rate, m_settingsFrame)),
      m_text2(filteredEdit(design::text2, FilteredField::Rate, m_settingsFrame)),
      m_check2(checkBox(design::check2, true, m_settingsFrame)),
      m_check1(checkBox(design::check1, false, m_settingsFrame)),
      m_timer1(new QTimer(this)),
      m_statusFrame(placed(new CaptionFrame(this), design::statusFrame)),
      m_label1(fittedLabel(design::label1, resultFont(), m_statusFrame)),
      m_label2(fittedLabel(design::label2, resultFont(), m_statusFrame)),
      m_label5(fittedLabel(design::label5, resultFont(), m_statusFrame)),
      m_label3(fittedLabel(design::label3, resultFont(), m_statusFrame)),
      m_label4(fittedLabel(design::label4, resultFont(), m_statusFrame)),
      m_creditLabel(placed(new QLabel(this), design::creditLabel)),
      m_view(
          {{m_text1, m_text2, m_txtStartDate1, m_txtStartTime1, m_txtStartDate2, m_txtStartTime2},
           {m_label1, m_label2, m_label3, m_label4, m_label5},
           m_check2,
           m_check1,
           m_command1,
           m_timer1},
          [this](const QString &message) { showErrorBox(message); })
{
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(QString::fromUtf8(design::windowTitle));
    setWindowIcon(programIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(design::clientSize);
    setFont(windowFont());

    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(design::timerIntervalMs);

    styleResultLabels();
    styleCreditLabel();
    addCopyMenu();
    applyTabOrder();
    connectEvents();
    loadDefaults();
    centreOnScreen();
    m_check1->setFocus(Qt::OtherFocusReason);
}

void FrmMain::setErrorPresenter(ErrorPresenter presentError)
{
    m_view.setErrorPresenter(std::move(presentError));
}

void FrmMain::styleResultLabels()
{
    setTextColour(m_label1, design::mainAmountColour);
    setTextColour(m_label2, design::auxAmountColour);
    setTextColour(m_label3, design::totalColour);
    setTextColour(m_label4, design::elapsedColour);
    setTextColour(m_label5, design::elapsedColour);
}

void FrmMain::styleCreditLabel()
{
    m_creditLabel->setAlignment(Qt::AlignCenter);
    m_creditLabel->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_creditLabel->setAutoFillBackground(true);
    QPalette palette = m_creditLabel->palette();
    palette.setColor(QPalette::Window, design::creditBackground);
    m_creditLabel->setPalette(palette);
}

// The officer copies the figures into the log: the five results, one per line.
void FrmMain::addCopyMenu()
{
    auto *copy = new QAction(QStringLiteral("复制"), m_statusFrame);
    m_statusFrame->addAction(copy);
    m_statusFrame->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(copy, &QAction::triggered, this, [this] {
        QStringList lines;
        for (const QLabel *label : {m_label1, m_label2, m_label3, m_label4, m_label5})
            lines << label->text();
        QGuiApplication::clipboard()->setText(lines.join('\n'));
    });
}

// Focus moves through the controls that can hold it in the order of their designed ranks.
void FrmMain::applyTabOrder()
{
    std::vector<QWidget *> order;
    for (QWidget *child : findChildren<QWidget *>()) {
        if (child->focusPolicy() & Qt::TabFocus)
            order.push_back(child);
    }
    std::sort(order.begin(), order.end(), [](const QWidget *a, const QWidget *b) {
        return a->property(tabRankProperty).toInt() < b->property(tabRankProperty).toInt();
    });
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void FrmMain::connectEvents()
{
    connect(m_command1, &QPushButton::clicked, this, [this] { calc::onCalculateClicked(m_view); });
    connect(m_check1, &QCheckBox::toggled, this, [this] { calc::onRealTimeToggled(m_view); });
    connect(m_timer1, &QTimer::timeout, this, [this] { calc::onTimerTick(m_view, m_clock); });
}

// One reading of the clock serves all three fields, so a start at midnight cannot mix two days.
void FrmMain::loadDefaults()
{
    const runtime::LocalDateTime now = m_clock.now();
    const QString today = QString::fromStdString(runtime::formatDate(now.date));
    m_txtStartDate1->setText(today);
    m_txtStartDate2->setText(today);
    m_txtStartTime2->setText(QString::fromStdString(runtime::formatTime(now.time)));
}

void FrmMain::centreOnScreen()
{
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                    screen()->availableGeometry()));
}

void FrmMain::showErrorBox(const QString &message)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("错误"), message, QMessageBox::Ok, this);
    // Named here too, for machines without Qt's Chinese translations.
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
}

} // namespace fuel::app
