#include "dpi.h"

namespace fuel::win32 {

namespace {

// Windows 7 has none of these entries, so each is looked up when first needed.
using GetDpiForWindowFunction = UINT(WINAPI *)(HWND);
using AdjustForDpiFunction = BOOL(WINAPI *)(RECT *, DWORD, BOOL, DWORD, UINT);
using EnableNonClientScalingFunction = BOOL(WINAPI *)(HWND);

template <class Function> Function user32Entry(const char *name)
{
    const FARPROC entry = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
    // Through the generic function type, which converts to any other without a warning.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(entry));
}

UINT systemDpi()
{
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

} // namespace

UINT dpiOf(HWND window)
{
    static const auto getDpiForWindow = user32Entry<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow) {
        if (const UINT dpi = getDpiForWindow(window))
            return dpi;
    }
    return systemDpi();
}

void scaleFrameWithDpi(HWND window)
{
    static const auto enableScaling =
        user32Entry<EnableNonClientScalingFunction>("EnableNonClientDpiScaling");
    if (enableScaling)
        enableScaling(window);
}

SIZE windowSizeFor(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, UINT dpi)
{
    static const auto adjustForDpi = user32Entry<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
    RECT frame{0, 0, clientWidth, clientHeight};
    if (adjustForDpi)
        adjustForDpi(&frame, style, FALSE, exStyle, dpi);
    else
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

} // namespace fuel::win32
