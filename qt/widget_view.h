#pragma once

#include "calc/window_view.h"
#include "form/design.h"

#include <QString>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QWidget;

namespace fuel::qt {

// Gives the handlers their view of the window's widgets.
class WidgetView final : public calc::WindowView {
public:
    // Binds a created widget to what its role says it is; widgets without a role stay unbound.
    void bind(const form::Control &control, QWidget *widget);
    void bindTimer(QTimer *timer) { m_timer = timer; }

    std::string text(calc::Field field) const override;
    std::string caption(calc::ResultLabel label) const override;
    bool isTicked(calc::Option option) const override;
    bool hasFocus(calc::Field field) const override;
    void setText(calc::Field field, const std::string &text) override;
    void setCaption(calc::ResultLabel label, const std::string &caption) override;
    void setTicked(calc::Option option, bool ticked) override;
    void setFieldEnabled(calc::Field field, bool enabled) override;
    void setCalculateEnabled(bool enabled) override;
    void setTimerRunning(bool running) override;
    void focus(calc::Field field) override;
    void showError(const std::string &message) override;

    QLineEdit *field(calc::Field field) const;
    QLabel *result(calc::ResultLabel label) const;
    QCheckBox *option(calc::Option option) const;
    QPushButton *calculateButton() const { return m_calculate; }

private:
    std::array<QLineEdit *, calc::allFields.size()> m_fields{};
    std::array<QLabel *, calc::allResultLabels.size()> m_results{};
    std::array<QCheckBox *, calc::allOptions.size()> m_options{};
    QPushButton *m_calculate = nullptr;
    QTimer *m_timer = nullptr;
};

// A label inside a frame is always exactly as wide and as high as its caption on one line.
void setFittedText(QLabel *label, const QString &text);

} // namespace fuel::qt
