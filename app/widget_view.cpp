#include "widget_view.h"

#include "calc/messages.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace fuel::app {

WidgetView::WidgetView(const Widgets &widgets, ErrorPresenter presentError)
    : m_widgets(widgets),
      m_presentError(std::move(presentError))
{
    // A screen reader says each field by the name its messages use.
    for (std::size_t i = 0; i < m_widgets.fields.size(); ++i) {
        const auto field = static_cast<calc::Field>(i);
        m_widgets.fields[i]->setAccessibleName(QString::fromStdString(calc::fieldName(field)));
    }
}

void WidgetView::setErrorPresenter(ErrorPresenter presentError)
{
    m_presentError = std::move(presentError);
}

QLineEdit *WidgetView::field(calc::Field field) const
{
    return m_widgets.fields.at(static_cast<std::size_t>(field));
}

std::string WidgetView::text(calc::Field which) const { return field(which)->text().toStdString(); }

bool WidgetView::isTicked(calc::Option option) const
{
    const QCheckBox *box =
        option == calc::Option::RealTime ? m_widgets.realTime : m_widgets.threeDecimals;
    return box->isChecked();
}

bool WidgetView::hasFocus(calc::Field which) const { return field(which)->hasFocus(); }

void WidgetView::setCaption(calc::ResultLabel label, const std::string &caption)
{
    setFittedText(m_widgets.results.at(static_cast<std::size_t>(label)),
                  QString::fromStdString(caption));
}

void WidgetView::setEnabled(calc::Switchable control, bool enabled)
{
    switch (control) {
    case calc::Switchable::StartDate:
        field(calc::Field::StartDate)->setEnabled(enabled);
        break;
    case calc::Switchable::StartTime:
        field(calc::Field::StartTime)->setEnabled(enabled);
        break;
    case calc::Switchable::CalculateButton:
        m_widgets.calculate->setEnabled(enabled);
        break;
    case calc::Switchable::Timer:
        if (enabled)
            m_widgets.timer->start();
        else
            m_widgets.timer->stop();
        break;
    }
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
    m_presentError(QString::fromStdString(message));
}

void WidgetView::untickRealTime() { m_widgets.realTime->setChecked(false); }

void setFittedText(QLabel *label, const QString &text)
{
    label->setText(text);
    const QFontMetrics metrics = label->fontMetrics();
    label->resize(metrics.horizontalAdvance(text), metrics.height());
}

} // namespace fuel::app
