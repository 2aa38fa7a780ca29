#include "control_view.h"

#include "controls.h"
#include "utf.h"

#include "calc/messages.h"
#include "form/design.h"

namespace fuel::win32 {

ControlView::ControlView(HWND window, UINT_PTR timerId)
    : m_window(window),
      m_timerId(timerId)
{
}

template <class Role> HWND ControlView::child(Role role) const
{
    return controlWindow(m_window, form::controlFor(role));
}

std::string ControlView::text(calc::Field field) const { return toUtf8(windowText(child(field))); }

std::string ControlView::caption(calc::ResultLabel label) const
{
    return toUtf8(windowText(child(label)));
}

bool ControlView::isTicked(calc::Option option) const
{
    return SendMessageW(child(option), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool ControlView::hasFocus(calc::Field field) const { return focusedControl() == child(field); }

void ControlView::rememberFocus()
{
    if (IsChild(m_window, GetFocus()))
        m_lastFocus = GetFocus();
}

// GetFocus is NULL for a thread whose window is not the active one.
HWND ControlView::focusedControl() const
{
    const HWND focus = GetFocus();
    return IsChild(m_window, focus) ? focus : m_lastFocus;
}

void ControlView::setText(calc::Field field, const std::string &text)
{
    SetWindowTextW(child(field), toUtf16(text).c_str());
}

void ControlView::setCaption(calc::ResultLabel label, const std::string &caption)
{
    const HWND shown = child(label);
    SetWindowTextW(shown, toUtf16(caption).c_str());
    fitToCaption(shown);
}

void ControlView::setTicked(calc::Option option, bool ticked)
{
    SendMessageW(child(option), BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ControlView::setFieldEnabled(calc::Field field, bool enabled)
{
    EnableWindow(child(field), enabled);
}

void ControlView::setCalculateEnabled(bool enabled)
{
    EnableWindow(controlWindow(m_window, form::onlyControlOf(form::Kind::Button)), enabled);
}

void ControlView::setTimerRunning(bool running)
{
    m_timerRunning = running;
    if (running)
        SetTimer(m_window, m_timerId, static_cast<UINT>(form::timerDesign().intervalMs), nullptr);
    else
        KillTimer(m_window, m_timerId);
}

void ControlView::focus(calc::Field field)
{
    const HWND edit = child(field);
    if (!IsWindowEnabled(edit))
        return;
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
}

void ControlView::showError(const std::string &message)
{
    MessageBoxW(m_window, toUtf16(message).c_str(), toUtf16(calc::errorTitle).c_str(),
                MB_ICONERROR | MB_OK);
}

} // namespace fuel::win32
