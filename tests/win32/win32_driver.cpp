// The behaviour suite's driver over the real Win32 window, and the main of the Win32 window tests.
// The window runs on a clock that the test sets and is driven by the messages a user's keys and
// clicks make, dispatched as the program's own loop does. Message boxes are real too: each one
// that opens is read and closed with its OK button from inside its own modal loop.

#define DOCTEST_CONFIG_IMPLEMENT
#include "win32_window.h"
#include "window_driver.h"

#include "calc/messages.h"
#include "win32/clipboard.h"
#include "win32/colours.h"
#include "win32/com_and_common_controls.h"
#include "win32/controls.h"
#include "win32/frm_main.h"
#include "win32/utf.h"

#include <doctest.h>

#include <array>
#include <memory>

namespace fuel::testing {

namespace {

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
    const bool copy = win32::toUtf8(first.data()) == calc::copyResultsAction;
    PostMessageW(menu, WM_KEYDOWN, copy ? VK_DOWN : VK_ESCAPE, 1);
    if (copy)
        PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 1);
}

class BoxReader {
public:
    BoxReader() { s_reader = this; }
    ~BoxReader()
    {
        UnhookWindowsHookEx(m_hook);
        s_reader = nullptr;
    }
    BoxReader(const BoxReader &) = delete;
    BoxReader &operator=(const BoxReader &) = delete;

    std::vector<ShownBox> shown;
    HWND window = nullptr; // the owner a box should have

private:
    static LRESULT CALLBACK onCbt(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto box = reinterpret_cast<HWND>(wParam);
        if (code == HCBT_ACTIVATE && s_reader && className(box) == L"#32770") {
            s_reader->shown.push_back(read(box));
            s_reader->shown.back().ownedByWindow = GetWindow(box, GW_OWNER) == s_reader->window;
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static ShownBox read(HWND box)
    {
        ShownBox shown{win32::toUtf8(win32::windowText(box)),
                       win32::toUtf8(win32::windowText(GetDlgItem(box, 0xFFFF))),
                       {},
                       false,
                       false};
        // The box makes every kind of button and hides those it does not show.
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            const LONG style = GetWindowLongW(child, GWL_STYLE);
            if (className(child) == L"Button" && (style & WS_VISIBLE))
                shown.buttons.push_back(win32::toUtf8(win32::windowText(child)));
            if (className(child) == L"Static" && (style & SS_TYPEMASK) == SS_ICON)
                shown.errorIcon = SendMessageW(child, STM_GETICON, 0, 0) ==
                                  reinterpret_cast<LRESULT>(LoadIconW(nullptr, IDI_HAND));
        }
        return shown;
    }

    static inline BoxReader *s_reader = nullptr;
    HHOOK m_hook = SetWindowsHookExW(WH_CBT, onCbt, nullptr, GetCurrentThreadId());
};

class Win32Driver final : public WindowDriver {
public:
    explicit Win32Driver(runtime::LocalDateTime moment)
    {
        clock.moment = moment;
        m_window = std::make_unique<win32::FrmMain>(clock, userSettings);
        m_boxes.window = handle();
        m_window->show(SW_SHOWNORMAL);
        SetForegroundWindow(handle());
        pump();
    }
    ~Win32Driver() override
    {
        if (m_other)
            DestroyWindow(m_other);
        const HWND window = handle();
        m_window.reset();
        testing::pump(window); // and the quit message that closing the window posts
    }

    void type(Target field, std::string_view utf8) override
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
    void paste(Target field, std::string_view utf8) override
    {
        const HWND edit = control(field);
        SendMessageW(edit, EM_SETSEL, 0, -1);
        SendMessageW(edit, EM_REPLACESEL, TRUE,
                     reinterpret_cast<LPARAM>(win32::toUtf16(utf8).c_str()));
    }
    void click(Target target) override
    {
        SendMessageW(control(target), BM_CLICK, 0, 0);
        pump();
    }
    void focus(Target target) override
    {
        SetFocus(control(target));
        pump();
    }
    void switchToAnotherWindow() override
    {
        m_other = CreateWindowExW(0, L"STATIC", L"log", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                                  100, nullptr, nullptr, nullptr, nullptr);
        SetActiveWindow(m_other);
        pump();
    }
    void switchBack() override
    {
        SetActiveWindow(handle());
        pump();
        DestroyWindow(m_other);
        m_other = nullptr;
    }
    // A shortcut's letter with Ctrl held becomes its control code in the loop's TranslateMessage.
    void press(Key key) override
    {
        constexpr std::array<UINT, 9> codes{VK_TAB,    VK_TAB, VK_SPACE, VK_RETURN, VK_RETURN,
                                            VK_ESCAPE, 'A',    'V',      'X'};
        const UINT code = codes[static_cast<std::size_t>(key)];
        holdKey(VK_SHIFT, key == Key::BackTab);
        holdKey(VK_CONTROL, key >= Key::SelectAll);
        // The keypad's Enter is the extended Return.
        const LPARAM extended = key == Key::Enter ? 1 << 24 : 0;
        PostMessageW(GetFocus(), WM_KEYDOWN, code, 1 | extended);
        PostMessageW(GetFocus(), WM_KEYUP, code, 1 | extended | 3u << 30);
        pump();
        holdKey(VK_SHIFT, false);
        holdKey(VK_CONTROL, false);
    }
    // WM_CONTEXTMENU as the control's own window procedure receives it: from the mouse at a
    // point inside the control, or from the keyboard.
    void copyThroughMenu(Target target, MenuWay way) override
    {
        const HWND window = control(target);
        SetFocus(window);
        RECT r;
        GetWindowRect(window, &r);
        const LPARAM at =
            way == MenuWay::RightClick ? MAKELPARAM(r.left + 20, r.bottom - 10) : LPARAM(-1);
        const UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, chooseCopy);
        SendMessageW(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), at);
        KillTimer(nullptr, timer);
        pump();
    }

    std::string text(Target target) const override
    {
        return win32::toUtf8(win32::windowText(control(target)));
    }
    bool isEnabled(Target target) const override { return IsWindowEnabled(control(target)); }
    bool isTicked(Target target) const override
    {
        return SendMessageW(control(target), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    Target focused() const override
    {
        const form::Control *designed = form::controlWithId(GetDlgCtrlID(GetFocus()));
        return designed && GetParent(GetFocus()) == handle() ? Target::of(*designed) : Target();
    }
    // Windows tells no timer's state: killing it says whether it ran, and it is set again.
    bool timerRunning() const override
    {
        if (!KillTimer(handle(), win32::timerId()))
            return false;
        SetTimer(handle(), win32::timerId(), UINT(form::timerDesign().intervalMs), nullptr);
        return true;
    }
    bool moveToDensity(int dpi) override
    {
        moveToDpi(handle(), UINT(dpi));
        return true;
    }
    Rect place(Target target) const override
    {
        RECT r;
        GetWindowRect(control(target), &r);
        MapWindowPoints(HWND_DESKTOP, handle(), reinterpret_cast<POINT *>(&r), 2);
        if (target.isWindow())
            GetClientRect(handle(), &r);
        return {r.left, r.top, r.right - r.left, r.bottom - r.top};
    }
    int textWidth(Target target, std::string_view utf8) const override
    {
        return textExtent(control(target), win32::toUtf16(utf8)).cx;
    }
    DrawnFont font(Target target) const override
    {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(control(target), WM_GETFONT, 0, 0)),
                   sizeof font, &font);
        return {win32::toUtf8(font.lfFaceName),
                MulDiv(-font.lfHeight, 72, static_cast<int>(m_window->dpi())),
                font.lfWeight >= FW_BOLD};
    }
    // As the window answers the label's WM_CTLCOLORSTATIC.
    form::Colours colours(Target target) const override
    {
        const HDC dc = CreateCompatibleDC(nullptr);
        const auto brush = reinterpret_cast<HBRUSH>(
            SendMessageW(handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(control(target))));
        LOGBRUSH fill{};
        GetObjectW(brush, sizeof fill, &fill);
        const COLORREF text = GetTextColor(dc);
        DeleteDC(dc);
        return {win32::toRgb(text), win32::toRgb(fill.lbColor)};
    }
    std::string clipboardText() const override
    {
        std::wstring text = clipboardData<wchar_t>(CF_UNICODETEXT);
        std::erase(text, L'\r');
        return win32::toUtf8(text);
    }
    void setClipboardText(std::string_view utf8) override
    {
        win32::putOnClipboard(handle(), win32::toUtf16(utf8));
    }

    const std::vector<ShownBox> &boxes() const override { return m_boxes.shown; }
    void forgetBoxes() override { m_boxes.shown.clear(); }

    void tick() override
    {
        SendMessageW(handle(), WM_TIMER, win32::timerId(), 0);
        pump();
    }
    void wait(int milliseconds) override
    {
        const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
        while (GetTickCount64() < end) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
            pump();
        }
    }
    // Wine's EDIT lays out a run of digits (ASCII or full-width; not CJK, not letters) in time
    // that grows with the square of its length: a megabyte of them takes it minutes. Such runs
    // are cut there, still overflowing every integer the calculation reads.
    std::size_t longestDigitRun() const override
    {
        const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version");
        return wine ? std::size_t{1} << 14 : std::size_t(-1);
    }

private:
    HWND handle() const { return m_window->handle(); }
    HWND control(Target target) const { return controlOf(handle(), target); }
    void pump() { testing::pump(handle()); }

    BoxReader m_boxes;
    std::unique_ptr<win32::FrmMain> m_window;
    HWND m_other = nullptr;
};

} // namespace

std::unique_ptr<WindowDriver> openWindow(runtime::LocalDateTime moment)
{
    return std::make_unique<Win32Driver>(moment);
}

} // namespace fuel::testing

int main(int argc, char **argv)
{
    const fuel::win32::ComAndCommonControls services;
    return doctest::Context(argc, argv).run();
}
