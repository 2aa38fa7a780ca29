#pragma once

// What the Win32 driver and the Win32-only tests both do to the real window: give it the user's
// settings, find a child window by its designed name, measure a text in its font, move it to
// another density, dispatch the queue as the program's own loop does, hold a key down, and read
// the clipboard as another program does.

#include "target.h"

#include "form/design.h"
#include "win32/controls.h"
#include "win32/message_loop.h"
#include "win32/system_settings.h"

#include <doctest.h>

#include <string>
#include <string_view>

namespace fuel::testing {

// The user's settings as a test sets them, given to every window the tests open: Wine keeps no
// high-contrast setting of its own.
class SetSettings final : public win32::SystemSettings {
public:
    bool highContrastOn = false;
    bool highContrast() const override { return highContrastOn; }
};
inline SetSettings userSettings;

inline HWND controlOf(HWND window, Target target)
{
    if (target.isWindow())
        return window;
    const form::Control *designed = target.designed();
    REQUIRE_MESSAGE(designed, "no such control");
    return win32::controlWindow(window, *designed);
}

// The size of a text as the control draws it, in its own font.
inline SIZE textExtent(HWND control, std::wstring_view text)
{
    const HDC dc = GetDC(control);
    SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &extent);
    ReleaseDC(control, dc);
    return extent;
}

// Moves the window to a monitor of that density, as Windows tells it, with the frame that
// Windows suggests there.
inline void moveToDpi(HWND window, UINT dpi, RECT suggested = {0, 0, 800, 600})
{
    SendMessageW(window, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
}

// Every queued message, through the dialog manager, until none is left.
inline void pump(HWND window)
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message != WM_QUIT)
            win32::dispatch(window, message);
    }
}

// Holds a key down as the thread's keyboard state sees it.
inline void holdKey(UINT key, bool down)
{
    BYTE state[256];
    GetKeyboardState(state);
    state[key] = down ? 0x80 : 0;
    SetKeyboardState(state);
}

// The clipboard's text in the format: CF_UNICODETEXT as wchar_t, CF_TEXT as char.
template <class Character> std::basic_string<Character> clipboardData(UINT format)
{
    std::basic_string<Character> text;
    if (!OpenClipboard(nullptr))
        return text;
    if (const HANDLE data = GetClipboardData(format)) {
        text = static_cast<const Character *>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

} // namespace fuel::testing
