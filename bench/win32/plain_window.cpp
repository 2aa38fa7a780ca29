// The least a window of fuelcalc.exe's client size can be: a plain Win32 window with one bold
// SimSun label, no manifest, no common controls, no COM. The floor under both fuelcalc.exe and
// the project's bare window (bare_window.cpp).

#include "bare_class.h"

namespace {

constexpr wchar_t className[] = L"PlainWindow";
constexpr int clientWidth = 369;
constexpr int clientHeight = 290;

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    fuel::bench::registerBareClass(instance, className);

    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, fuel::bench::bareWindowStyle, FALSE, 0);
    const HWND window =
        CreateWindowExW(0, className, L"主副机油耗计算器", fuel::bench::bareWindowStyle,
                        CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                        frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    const HFONT bold =
        CreateFontW(-12, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"SimSun");
    const HWND label = CreateWindowExW(0, L"STATIC", L"主副机油耗计算器", WS_CHILD | WS_VISIBLE, 8,
                                       8, 96, 12, window, nullptr, instance, nullptr);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(bold), FALSE);

    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    DeleteObject(bold);
    return static_cast<int>(message.wParam);
}
