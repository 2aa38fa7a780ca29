#pragma once

// The real window on a clock that the test sets, driven by the messages a user's keys and clicks
// make, dispatched as the program's own loop does. Message boxes are real too: each one that
// opens is read and closed with its OK button from inside its own modal loop.

#include "runner.h"

#include "fakes.h"

#include "win32/controls.h"
#include "win32/frm_main.h"
#include "win32/message_loop.h"
#include "win32/placement.h"
#include "win32/utf.h"

#include <array>
#include <memory>
#include <vector>

namespace fuel::testing {

struct ShownBox {
    std::string title;
    std::string text;
    HWND owner;
};

class BoxReader {
public:
    BoxReader()
        : m_hook(SetWindowsHookExW(WH_CBT, onCbt, nullptr, GetCurrentThreadId()))
    {
        s_shown = &shown;
    }
    ~BoxReader()
    {
        UnhookWindowsHookEx(m_hook);
        s_shown = nullptr;
    }
    BoxReader(const BoxReader &) = delete;
    BoxReader &operator=(const BoxReader &) = delete;

    std::vector<ShownBox> shown;

private:
    static LRESULT CALLBACK onCbt(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto box = reinterpret_cast<HWND>(wParam);
        std::array<wchar_t, 16> className{};
        if (code == HCBT_ACTIVATE && s_shown &&
            GetClassNameW(box, className.data(), static_cast<int>(className.size())) &&
            std::wstring_view(className.data()) == L"#32770") {
            // 0xFFFF is the message box's text control.
            s_shown->push_back({win32::toUtf8(win32::windowText(box)),
                                win32::toUtf8(win32::windowText(GetDlgItem(box, 0xFFFF))),
                                GetWindow(box, GW_OWNER)});
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline std::vector<ShownBox> *s_shown = nullptr;
    HHOOK m_hook;
};

class WindowDriver {
public:
    explicit WindowDriver(runtime::LocalDateTime moment = {{2007, 4, 26}, {9, 30, 0}})
    {
        clock.moment = moment;
        m_window = std::make_unique<win32::FrmMain>(clock);
        m_window->show(SW_SHOWNORMAL);
        SetForegroundWindow(handle());
        pump();
    }
    ~WindowDriver()
    {
        m_window.reset();
        pump(); // and the quit message that closing the window posts
    }
    WindowDriver(const WindowDriver &) = delete;
    WindowDriver &operator=(const WindowDriver &) = delete;

    HWND handle() const { return m_window->handle(); }
    const win32::FrmMain &window() const { return *m_window; }

    HWND control(std::string_view name) const
    {
        return win32::controlWindow(handle(), form::controlNamed(name));
    }

    std::string text(std::string_view name) const
    {
        return win32::toUtf8(win32::windowText(control(name)));
    }

    std::wstring wideText(std::string_view name) const { return win32::windowText(control(name)); }

    std::array<std::string, 5> captions() const
    {
        return {text("Label1"), text("Label2"), text("Label3"), text("Label4"), text("Label5")};
    }

    std::vector<std::string> messages() const
    {
        std::vector<std::string> texts;
        for (const ShownBox &box : m_boxes.shown)
            texts.push_back(box.text);
        return texts;
    }
    const std::vector<ShownBox> &boxes() const { return m_boxes.shown; }
    void forgetBoxes() { m_boxes.shown.clear(); }

    // Every queued message, through the dialog manager, until none is left.
    void pump()
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message != WM_QUIT)
                win32::dispatch(handle(), message);
        }
    }

    // Waits while dispatching, as the program's loop would, until the condition holds.
    template <class Condition> bool waitFor(Condition condition, DWORD milliseconds)
    {
        const ULONGLONG end = GetTickCount64() + milliseconds;
        while (!condition() && GetTickCount64() < end) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
            pump();
        }
        return condition();
    }

    // The text as a paste would bring it: through the field's own replacement, which the
    // length limit applies to.
    void paste(std::string_view name, std::wstring_view text)
    {
        const HWND field = control(name);
        SendMessageW(field, EM_SETSEL, 0, -1);
        const std::wstring terminated(text);
        SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(terminated.c_str()));
    }
    void paste(std::string_view name, std::string_view utf8) { paste(name, win32::toUtf16(utf8)); }

    // Each character as a key that produces it: WM_CHAR posted to the focused field.
    void type(std::string_view name, std::string_view utf8)
    {
        const HWND field = control(name);
        SetFocus(field);
        SendMessageW(field, EM_SETSEL, 0, -1);
        SendMessageW(field, WM_CLEAR, 0, 0);
        for (const wchar_t unit : win32::toUtf16(utf8))
            PostMessageW(field, WM_CHAR, unit, 1);
        pump();
    }

    void pressKey(UINT key)
    {
        PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
        PostMessageW(GetFocus(), WM_KEYUP, key, 1u | 3u << 30);
        pump();
    }

    // Holds a modifier down as the thread's keyboard state sees it.
    void holdKey(UINT key, bool down)
    {
        BYTE state[256];
        GetKeyboardState(state);
        state[key] = down ? 0x80 : 0;
        SetKeyboardState(state);
    }

    void click(std::string_view name)
    {
        SendMessageW(control(name), BM_CLICK, 0, 0);
        pump();
    }

    bool isTicked(std::string_view name) const
    {
        return SendMessageW(control(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    bool isEnabled(std::string_view name) const { return IsWindowEnabled(control(name)); }

    // The name of the control with the focus, or "" for none of the designed ones.
    std::string_view focused() const
    {
        const form::Control *control = win32::controlWithId(GetDlgCtrlID(GetFocus()));
        return control && GetParent(GetFocus()) == handle() ? control->name : std::string_view();
    }

    void tick()
    {
        const auto timer = win32::controlId(win32::onlyControlOf(form::Kind::Timer));
        SendMessageW(handle(), WM_TIMER, static_cast<WPARAM>(timer), 0);
        pump();
    }

    FixedClock clock;

private:
    BoxReader m_boxes;
    std::unique_ptr<win32::FrmMain> m_window;
};

} // namespace fuel::testing
