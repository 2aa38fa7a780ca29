#pragma once

#include "calc/window_view.h"

#include <windows.h>

namespace fuel::win32 {

// The handlers' view of the window, read from and written to its child windows, which it finds
// through the design: the field, label or box of each role.
class ControlView final : public calc::WindowView {
public:
    // The timer id is the window's own for the real-time timer.
    ControlView(HWND window, UINT_PTR timerId);

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

    // A WM_TIMER posted before the timer was killed may still arrive: it is no tick.
    bool isTimerRunning() const { return m_timerRunning; }

    // Called as the window stops being the active one, while GetFocus still names its control.
    void rememberFocus();
    // The control that holds the window's focus: the focused one while the window is active, and
    // the one that had it, and gets it back, while another window is.
    HWND focusedControl() const;

private:
    template <class Role> HWND child(Role role) const;

    HWND m_window;
    UINT_PTR m_timerId;
    bool m_timerRunning = false;
    HWND m_lastFocus = nullptr;
};

} // namespace fuel::win32
