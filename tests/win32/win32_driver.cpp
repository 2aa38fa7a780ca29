// The behaviour suite's driver over the Win32 window, and the main of the Win32 window tests.

#define DOCTEST_CONFIG_IMPLEMENT
#include "win32_driver.h"

#include "calc/messages.h"
#include "win32/clipboard.h"
#include "win32/controls.h"
#include "win32/message_loop.h"
#include "win32/placement.h"
#include "win32/program_services.h"
#include "win32/utf.h"

#include <doctest.h>

#include <array>

namespace fuel::testing {

namespace {

UINT_PTR timerId() { return win32::controlId(win32::onlyControlOf(form::Kind::Timer)); }

bool underWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version"); }

std::wstring className(HWND window)
{
    std::array<wchar_t, 32> name{};
    GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    return name.data();
}

// Chooses the first item of the menu that has just opened if it is "复制", and closes any other,
// as the keyboard would. The menu's own loop is the first to read the queue after the timer is
// set, so the shortest timer finds it open.
void CALLBACK chooseCopy(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    const HWND menu = FindWindowW(L"#32768", nullptr);
    if (!menu)
        return;
    const auto items = reinterpret_cast<HMENU>(SendMessageW(menu, 0x01E1 /* MN_GETHMENU */, 0, 0));
    std::array<wchar_t, 16> first{};
    GetMenuStringW(items, 0, first.data(), static_cast<int>(first.size()), MF_BYPOSITION);
    if (win32::toUtf8(first.data()) == calc::copyResultsAction) {
        PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 1);
        PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 1);
    } else {
        PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 1);
    }
}

} // namespace

BoxReader::BoxReader()
    : m_hook(SetWindowsHookExW(WH_CBT, onCbt, nullptr, GetCurrentThreadId()))
{
    s_reader = this;
}

BoxReader::~BoxReader()
{
    UnhookWindowsHookEx(m_hook);
    s_reader = nullptr;
}

LRESULT CALLBACK BoxReader::onCbt(int code, WPARAM wParam, LPARAM lParam)
{
    const auto box = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && s_reader && className(box) == L"#32770") {
        ShownBox shown{win32::toUtf8(win32::windowText(box)),
                       win32::toUtf8(win32::windowText(GetDlgItem(box, 0xFFFF))),
                       {},
                       false};
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            // The box makes every kind of button and hides those it does not show.
            const LONG style = GetWindowLongW(child, GWL_STYLE);
            if (className(child) == L"Button" && (style & WS_VISIBLE))
                shown.buttons.push_back(win32::toUtf8(win32::windowText(child)));
            if (className(child) == L"Static" && (style & SS_TYPEMASK) == SS_ICON)
                shown.errorIcon = SendMessageW(child, STM_GETICON, 0, 0) ==
                                  reinterpret_cast<LRESULT>(LoadIconW(nullptr, IDI_HAND));
        }
        s_reader->shown.push_back(shown);
        s_reader->owners.push_back(GetWindow(box, GW_OWNER));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

Win32Driver::Win32Driver(runtime::LocalDateTime moment)
{
    clock.moment = moment;
    m_window = std::make_unique<win32::FrmMain>(clock);
    m_window->show(SW_SHOWNORMAL);
    SetForegroundWindow(handle());
    pump();
}

Win32Driver::~Win32Driver()
{
    m_window.reset();
    pump(); // and the quit message that closing the window posts
}

HWND Win32Driver::control(std::string_view name) const
{
    return name == "FrmMain" ? handle() : win32::controlWindow(handle(), form::controlNamed(name));
}

std::wstring Win32Driver::wideText(std::string_view name) const
{
    return win32::windowText(control(name));
}

void Win32Driver::pump()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message != WM_QUIT)
            win32::dispatch(handle(), message);
    }
}

void Win32Driver::type(std::string_view field, std::string_view utf8)
{
    const HWND edit = control(field);
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, WM_CLEAR, 0, 0);
    for (const wchar_t unit : win32::toUtf16(utf8))
        PostMessageW(edit, WM_CHAR, unit, 1);
    pump();
}

// Through the field's own replacement, which a length limit would apply to.
void Win32Driver::paste(std::string_view field, std::wstring_view utf16)
{
    const HWND edit = control(field);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    const std::wstring terminated(utf16);
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(terminated.c_str()));
}

void Win32Driver::paste(std::string_view field, std::string_view utf8)
{
    paste(field, std::wstring_view(win32::toUtf16(utf8)));
}

void Win32Driver::click(std::string_view name)
{
    SendMessageW(control(name), BM_CLICK, 0, 0);
    pump();
}

void Win32Driver::focus(std::string_view name)
{
    SetFocus(control(name));
    pump();
}

void Win32Driver::holdKey(UINT key, bool down)
{
    BYTE state[256];
    GetKeyboardState(state);
    state[key] = down ? 0x80 : 0;
    SetKeyboardState(state);
}

void Win32Driver::pressKey(UINT key, LPARAM extended)
{
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 1 | extended);
    PostMessageW(GetFocus(), WM_KEYUP, key, 1 | extended | 3u << 30);
    pump();
}

void Win32Driver::press(Key key)
{
    constexpr LPARAM extendedKey = 1 << 24; // the keypad's Enter
    switch (key) {
    case Key::Tab:
        return pressKey(VK_TAB);
    case Key::BackTab:
        holdKey(VK_SHIFT, true);
        pressKey(VK_TAB);
        return holdKey(VK_SHIFT, false);
    case Key::Space:
        return pressKey(VK_SPACE);
    case Key::Return:
        return pressKey(VK_RETURN);
    case Key::Enter:
        return pressKey(VK_RETURN, extendedKey);
    case Key::Escape:
        return pressKey(VK_ESCAPE);
    }
}

// WM_CONTEXTMENU as the control's own window procedure receives it: from the mouse at a point
// inside the control, or from the keyboard.
void Win32Driver::copyThroughMenu(std::string_view name, MenuWay way)
{
    const HWND target = control(name);
    SetFocus(target);
    RECT place;
    GetWindowRect(target, &place);
    const LPARAM at =
        way == MenuWay::RightClick ? MAKELPARAM(place.left + 20, place.bottom - 10) : LPARAM(-1);
    const UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, chooseCopy);
    SendMessageW(target, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(target), at);
    KillTimer(nullptr, timer);
    pump();
}

std::string Win32Driver::text(std::string_view name) const { return win32::toUtf8(wideText(name)); }

bool Win32Driver::isEnabled(std::string_view name) const { return IsWindowEnabled(control(name)); }

bool Win32Driver::isTicked(std::string_view name) const
{
    return SendMessageW(control(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string Win32Driver::focused() const
{
    const form::Control *designed = win32::controlWithId(GetDlgCtrlID(GetFocus()));
    return designed && GetParent(GetFocus()) == handle() ? std::string(designed->name) : "";
}

// Windows tells no timer's state: killing it says whether it ran, and it is set again at once.
bool Win32Driver::timerRunning() const
{
    if (!KillTimer(handle(), timerId()))
        return false;
    SetTimer(handle(), timerId(), static_cast<UINT>(form::window().timerIntervalMs), nullptr);
    return true;
}

Rect Win32Driver::place(std::string_view name) const
{
    RECT r;
    if (name == "FrmMain") {
        GetClientRect(handle(), &r);
    } else {
        GetWindowRect(control(name), &r);
        MapWindowPoints(HWND_DESKTOP, handle(), reinterpret_cast<POINT *>(&r), 2);
    }
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

int Win32Driver::textWidth(std::string_view name, std::string_view utf8) const
{
    const HWND window = control(name);
    const std::wstring text = win32::toUtf16(utf8);
    const HDC dc = GetDC(window);
    SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &extent);
    ReleaseDC(window, dc);
    return extent.cx;
}

std::string Win32Driver::clipboardText() const
{
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return "";
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t *>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    std::erase(text, L'\r');
    return win32::toUtf8(text);
}

void Win32Driver::setClipboardText(std::string_view utf8)
{
    win32::putOnClipboard(handle(), win32::toUtf16(utf8));
}

void Win32Driver::forgetBoxes()
{
    m_boxes.shown.clear();
    m_boxes.owners.clear();
}

void Win32Driver::tick()
{
    SendMessageW(handle(), WM_TIMER, timerId(), 0);
    pump();
}

void Win32Driver::wait(int milliseconds)
{
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    while (GetTickCount64() < end) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        pump();
    }
}

// Wine's EDIT lays out a run of digits (ASCII or full-width; not CJK, not letters) in time that
// grows with the square of its length: a megabyte of them takes it minutes. Such runs are cut to
// this many characters there, which still overflow every integer the calculation reads.
std::size_t Win32Driver::longestDigitRun() const
{
    return underWine() ? std::size_t{1} << 14 : std::size_t(-1);
}

std::unique_ptr<WindowDriver> openWindow(runtime::LocalDateTime moment)
{
    return std::make_unique<Win32Driver>(moment);
}

} // namespace fuel::testing

int main(int argc, char **argv)
{
    const fuel::win32::ProgramServices services;
    return doctest::Context(argc, argv).run();
}
