#pragma once

// What the Win32 driver and the Win32-only tests both do to the real window and around it: give
// it the user's settings, find the child window behind a target, measure a text in its font,
// move it to another density, dispatch the queue as the program's own loop does, hold a key down,
// read the clipboard as another program does, read a field's pixels off the screen, switch on a
// high-contrast theme, and let another program hold the clipboard.

#include "target.h"

#include "form/design.h"
#include "win32/controls.h"
#include "win32/dpi.h"
#include "win32/message_loop.h"
#include "win32/system_settings.h"

#include <doctest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <string>
#include <string_view>

namespace fuel::testing {

// The user's settings as a test sets them, given to every window the tests open: Wine keeps no
// high-contrast setting of its own.
class TestSettings final : public win32::SystemSettings {
public:
    bool highContrastOn = false;
    bool highContrast() const override { return highContrastOn; }
};
inline TestSettings userSettings;

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
    return win32::textExtent(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)),
                             text);
}

// Moves the window to a monitor of that density, as Windows tells it, with the frame that
// Windows suggests there.
inline void moveToDpi(HWND window, UINT dpi, RECT suggested = {0, 0, 800, 600})
{
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
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

// What a field shows on the screen: its background, the colour most of it has, and how dark the
// darkest of its pixels is, a stroke of its text (the largest channel, 0 for black).
struct ShownField {
    COLORREF background;
    int darkest;
};

inline ShownField shownField(HWND field)
{
    RedrawWindow(field, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT client;
    GetClientRect(field, &client);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    const HDC screen = GetDC(field);
    const HDC copy = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateDIBSection(copy, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
    GdiFlush();
    std::map<COLORREF, int> counts;
    int darkest = 255;
    const auto *pixels = static_cast<const DWORD *>(bits);
    for (LONG i = 0; i < client.right * client.bottom; ++i) {
        const COLORREF colour =
            RGB(pixels[i] >> 16 & 0xFF, pixels[i] >> 8 & 0xFF, pixels[i] & 0xFF);
        ++counts[colour];
        darkest = std::min(darkest, static_cast<int>(std::max({GetRValue(colour), GetGValue(colour),
                                                               GetBValue(colour)})));
    }
    SelectObject(copy, previous);
    DeleteObject(bitmap);
    DeleteDC(copy);
    ReleaseDC(field, screen);
    const auto most = std::ranges::max_element(
        counts, [](const auto &a, const auto &b) { return a.second < b.second; });
    return {most->first, darkest};
}

// A dark high-contrast theme switched on, for as long as this object lives, as the user would:
// the setting on and the system colours those of the theme, of which the window hears.
class HighContrastTheme {
public:
    HighContrastTheme()
    {
        for (std::size_t i = 0; i < std::size(elements); ++i)
            m_saved[i] = GetSysColor(elements[i]);
        userSettings.highContrastOn = true;
        SetSysColors(static_cast<int>(std::size(elements)), elements, theme);
    }
    ~HighContrastTheme()
    {
        userSettings.highContrastOn = false;
        SetSysColors(static_cast<int>(std::size(elements)), elements, m_saved);
    }
    HighContrastTheme(const HighContrastTheme &) = delete;
    HighContrastTheme &operator=(const HighContrastTheme &) = delete;

    // The colours of a theme in which none of the designed colours appears.
    static constexpr int elements[] = {COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_WINDOW,
                                       COLOR_WINDOWTEXT};
    static constexpr COLORREF theme[] = {RGB(0, 0, 1), RGB(255, 255, 2), RGB(0, 0, 3),
                                         RGB(0, 255, 4)};

private:
    COLORREF m_saved[std::size(elements)]{};
};

// The clipboard held open by another program, as hold_clipboard.exe does, from before "复制" is
// chosen until the given time has passed; it is let go at the latest when this object goes.
class HeldClipboard {
public:
    explicit HeldClipboard(DWORD milliseconds)
    {
        std::wstring commandLine = L"\"" + besideThisProgram(L"hold_clipboard.exe") + L"\" " +
                                   std::to_wstring(milliseconds);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        REQUIRE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &m_process));
        // Held once this program can no longer open it.
        const ULONGLONG giveUpAt = GetTickCount64() + 5000;
        while (OpenClipboard(nullptr) && GetTickCount64() < giveUpAt) {
            CloseClipboard();
            Sleep(5);
        }
    }
    ~HeldClipboard()
    {
        TerminateProcess(m_process.hProcess, 0);
        WaitForSingleObject(m_process.hProcess, INFINITE);
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }
    HeldClipboard(const HeldClipboard &) = delete;
    HeldClipboard &operator=(const HeldClipboard &) = delete;

private:
    static std::wstring besideThisProgram(std::wstring_view name)
    {
        std::wstring path(MAX_PATH, L'\0');
        path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
        return path.substr(0, path.find_last_of(L'\\') + 1) + std::wstring(name);
    }

    PROCESS_INFORMATION m_process{};
};

} // namespace fuel::testing
