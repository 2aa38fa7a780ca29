#pragma once

// What the two yardstick windows share: a window class on the face colour whose window ends
// the program when it is closed, and the style of fuelcalc.exe's window.

#include <windows.h>

namespace fuel::bench {

constexpr DWORD bareWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

inline LRESULT CALLBACK quitWhenDestroyed(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

inline void registerBareClass(HINSTANCE instance, const wchar_t *name)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = quitWhenDestroyed;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

} // namespace fuel::bench
