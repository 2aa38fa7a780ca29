#include "dpi.h"

namespace fuel::win32 {

namespace {

// Windows 7 lacks most of these entries, so each is looked up when first needed.
using GetDpiForWindowFunction = UINT(WINAPI *)(HWND);
using AdjustForDpiFunction = BOOL(WINAPI *)(RECT *, DWORD, BOOL, DWORD, UINT);
using EnableNonClientScalingFunction = BOOL(WINAPI *)(HWND);
using GetMetricForDpiFunction = int(WINAPI *)(int, UINT);
using LoadIconScaledDownFunction = HRESULT(WINAPI *)(HINSTANCE, PCWSTR, int, int, HICON *);

template <class Function> Function systemEntry(const wchar_t *library, const char *name)
{
    const FARPROC entry = GetProcAddress(GetModuleHandleW(library), name);
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
    static const auto getDpiForWindow =
        systemEntry<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
    if (getDpiForWindow) {
        if (const UINT dpi = getDpiForWindow(window))
            return dpi;
    }
    return systemDpi();
}

void scaleFrameWithDpi(HWND window)
{
    static const auto enableScaling =
        systemEntry<EnableNonClientScalingFunction>(L"user32.dll", "EnableNonClientDpiScaling");
    if (enableScaling)
        enableScaling(window);
}

// Where the entry is missing, every window has the system's density, which the metric is for.
int systemMetricAt(int index, UINT dpi)
{
    static const auto metricForDpi =
        systemEntry<GetMetricForDpiFunction>(L"user32.dll", "GetSystemMetricsForDpi");
    return metricForDpi ? metricForDpi(index, dpi) : GetSystemMetrics(index);
}

HICON programIconAt(int resource, int size)
{
    // The common controls of the manifest, which the program has loaded before its window.
    static const auto loadScaledDown =
        systemEntry<LoadIconScaledDownFunction>(L"comctl32.dll", "LoadIconWithScaleDown");
    const HINSTANCE program = GetModuleHandleW(nullptr);
    HICON icon = nullptr;
    if (loadScaledDown)
        loadScaledDown(program, MAKEINTRESOURCEW(resource), size, size, &icon);
    if (!icon)
        icon = static_cast<HICON>(LoadImageW(program, MAKEINTRESOURCEW(resource), IMAGE_ICON, size,
                                             size, LR_DEFAULTCOLOR));
    return icon;
}

SIZE windowSizeFor(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, UINT dpi)
{
    static const auto adjustForDpi =
        systemEntry<AdjustForDpiFunction>(L"user32.dll", "AdjustWindowRectExForDpi");
    RECT frame{0, 0, clientWidth, clientHeight};
    if (adjustForDpi)
        adjustForDpi(&frame, style, FALSE, exStyle, dpi);
    else
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

} // namespace fuel::win32
