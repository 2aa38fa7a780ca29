// The yardstick for fuelcalc.exe's start-up and memory: a bare window of the same client size
// with one label in Chinese, made as fuelcalc.exe makes its window: the same COM and common
// controls, resources (manifest, icon, version), font, window style and message loop.

#include "bare_class.h"

#include "win32/com_and_common_controls.h"
#include "win32/dpi.h"
#include "win32/fonts.h"
#include "win32/message_loop.h"

#include "form/design.h"

namespace {

constexpr wchar_t className[] = L"FuelCalcBareWindow";
constexpr int twipsPerPixel = 15;

int scaled(int pixels, UINT dpi)
{
    return MulDiv(pixels, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    const fuel::win32::ComAndCommonControls comAndCommonControls;
    fuel::bench::registerBareClass(instance, className);

    const HWND window =
        CreateWindowExW(0, className, L"主副机油耗计算器", fuel::bench::bareWindowStyle,
                        CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, nullptr);
    const UINT dpi = fuel::win32::dpiOf(window);
    const fuel::form::WindowDesign &design = fuel::form::windowDesign();
    const SIZE size = fuel::win32::windowSizeFor(design.clientWidth / twipsPerPixel,
                                                 design.clientHeight / twipsPerPixel,
                                                 fuel::bench::bareWindowStyle, 0, dpi);
    SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);

    const fuel::win32::Fonts fonts(dpi);
    const HWND label = CreateWindowExW(0, L"STATIC", L"主副机油耗计算器", WS_CHILD | WS_VISIBLE,
                                       scaled(8, dpi), scaled(8, dpi), scaled(96, dpi),
                                       scaled(12, dpi), window, nullptr, instance, nullptr);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.forLook({})), FALSE);

    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return fuel::win32::runMessageLoop(window);
}
