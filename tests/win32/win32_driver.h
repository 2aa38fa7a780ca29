#pragma once

// The real Win32 window on a clock that the test sets, driven by the messages a user's keys and
// clicks make, dispatched as the program's own loop does. Message boxes are real too: each one
// that opens is read and closed with its OK button from inside its own modal loop.

#include "window_driver.h"

#include "win32/frm_main.h"

#include <memory>

namespace fuel::testing {

class BoxReader {
public:
    BoxReader();
    ~BoxReader();
    BoxReader(const BoxReader &) = delete;
    BoxReader &operator=(const BoxReader &) = delete;

    std::vector<ShownBox> shown;
    std::vector<HWND> owners;

private:
    static LRESULT CALLBACK onCbt(int code, WPARAM wParam, LPARAM lParam);
    static inline BoxReader *s_reader = nullptr;
    HHOOK m_hook;
};

class Win32Driver final : public WindowDriver {
public:
    explicit Win32Driver(runtime::LocalDateTime moment);
    ~Win32Driver() override;

    void type(std::string_view field, std::string_view utf8) override;
    void paste(std::string_view field, std::string_view utf8) override;
    void click(std::string_view control) override;
    void focus(std::string_view control) override;
    void press(Key key) override;
    void copyThroughMenu(std::string_view control, MenuWay way) override;

    std::string text(std::string_view control) const override;
    bool isEnabled(std::string_view control) const override;
    bool isTicked(std::string_view control) const override;
    std::string focused() const override;
    bool timerRunning() const override;
    Rect place(std::string_view control) const override;
    int textWidth(std::string_view control, std::string_view utf8) const override;
    std::string clipboardText() const override;
    void setClipboardText(std::string_view utf8) override;

    const std::vector<ShownBox> &boxes() const override { return m_boxes.shown; }
    void forgetBoxes() override;

    void tick() override;
    void wait(int milliseconds) override;
    std::size_t longestDigitRun() const override;

    // For what only the Win32 window has.
    HWND handle() const { return m_window->handle(); }
    HWND control(std::string_view name) const;
    const std::vector<HWND> &boxOwners() const { return m_boxes.owners; }
    void paste(std::string_view field, std::wstring_view utf16);
    std::wstring wideText(std::string_view name) const;
    // Holds a key down as the thread's keyboard state sees it.
    void holdKey(UINT key, bool down);
    // Every queued message, through the dialog manager, until none is left.
    void pump();

private:
    void pressKey(UINT key, LPARAM extended = 0);

    BoxReader m_boxes;
    std::unique_ptr<win32::FrmMain> m_window;
};

} // namespace fuel::testing
