#include "widget_view.h"

#include "calc/messages.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

#include <type_traits>

namespace fuel::qt {

using calc::indexOf;

void WidgetView::bind(const form::Control &control, QWidget *widget)
{
    if (control.kind == form::Kind::Button)
        m_calculate = qobject_cast<QPushButton *>(widget);
    std::visit(
        [this, widget](auto role) {
            using Role = decltype(role);
            if constexpr (std::is_same_v<Role, calc::Field>)
                m_fields[indexOf(role)] = qobject_cast<QLineEdit *>(widget);
            else if constexpr (std::is_same_v<Role, calc::ResultLabel>)
                m_results[indexOf(role)] = qobject_cast<QLabel *>(widget);
            else if constexpr (std::is_same_v<Role, calc::Option>)
                m_options[indexOf(role)] = qobject_cast<QCheckBox *>(widget);
        },
        control.role);
}

QLineEdit *WidgetView::field(calc::Field field) const { return m_fields[indexOf(field)]; }
QLabel *WidgetView::result(calc::ResultLabel label) const { return m_results[indexOf(label)]; }
QCheckBox *WidgetView::option(calc::Option option) const { return m_options[indexOf(option)]; }

std::string WidgetView::text(calc::Field which) const { return field(which)->text().toStdString(); }

std::string WidgetView::caption(calc::ResultLabel label) const
{
    return result(label)->text().toStdString();
}

bool WidgetView::isTicked(calc::Option which) const { return option(which)->isChecked(); }

// The window's own focus widget, which it keeps while another window is active (where
// QWidget::hasFocus says no), and gives the focus back to on its return.
bool WidgetView::hasFocus(calc::Field which) const
{
    QLineEdit *edit = field(which);
    return edit->window()->focusWidget() == edit;
}

void WidgetView::setText(calc::Field which, const std::string &text)
{
    field(which)->setText(QString::fromStdString(text));
}

void WidgetView::setCaption(calc::ResultLabel label, const std::string &caption)
{
    setFittedText(result(label), QString::fromStdString(caption));
}

void WidgetView::setTicked(calc::Option which, bool ticked)
{
    const QSignalBlocker noChangeEvent(option(which));
    option(which)->setChecked(ticked);
}

void WidgetView::setFieldEnabled(calc::Field which, bool enabled)
{
    field(which)->setEnabled(enabled);
}

void WidgetView::setCalculateEnabled(bool enabled) { m_calculate->setEnabled(enabled); }

void WidgetView::setTimerRunning(bool running)
{
    if (running)
        m_timer->start();
    else
        m_timer->stop();
}

void WidgetView::focus(calc::Field which)
{
    QLineEdit *edit = field(which);
    if (!edit->isEnabled())
        return;
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

void WidgetView::showError(const std::string &message)
{
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(calc::errorTitle),
                    QString::fromStdString(message), QMessageBox::Ok, m_calculate->window());
    // Named here too, for machines without Qt's Chinese translations.
    box.button(QMessageBox::Ok)->setText(QString::fromUtf8(calc::okButton));
    box.exec();
}

void setFittedText(QLabel *label, const QString &text)
{
    label->setText(text);
    const QFontMetrics metrics = label->fontMetrics();
    label->resize(metrics.horizontalAdvance(text), metrics.height());
}

} // namespace fuel::qt
