#pragma once

#include "calc/window_view.h"

#include <QString>

#include <array>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace fuel::app {

using ErrorPresenter = std::function<void(const QString &message)>;

// The window's widgets, in the order of the calculation's enums.
struct Widgets {
    std::array<QLineEdit *, 6> fields; // calc::Field
    std::array<QLabel *, 5> results;   // calc::ResultLabel
    QCheckBox *threeDecimals;
    QCheckBox *realTime;
    QPushButton *calculate;
    QTimer *timer;
};

// Gives the calculation its view of the window.
class WidgetView final : public calc::WindowView {
public:
    WidgetView(const Widgets &widgets, ErrorPresenter presentError);

    void setErrorPresenter(ErrorPresenter presentError);

    std::string text(calc::Field field) const override;
    bool isTicked(calc::Option option) const override;
    bool hasFocus(calc::Field field) const override;
    void setCaption(calc::ResultLabel label, const std::string &caption) override;
    void setEnabled(calc::Switchable control, bool enabled) override;
    void focus(calc::Field field) override;
    void showError(const std::string &message) override;
    void untickRealTime() override;

private:
    QLineEdit *field(calc::Field field) const;

    Widgets m_widgets;
    ErrorPresenter m_presentError;
};

// A label inside a frame is always exactly as wide and as high as its caption on one line.
void setFittedText(QLabel *label, const QString &text);

} // namespace fuel::app
