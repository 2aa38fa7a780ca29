#pragma once

// The calculator's one window, made of standard Windows controls.
//
// The road of a calculation: the window opens with today's date in both date fields, 00:00:00
// as the start time and the present time as the end time. The officer types the start of the
// passage (each filtered field's WM_CHAR goes through the core's key filter first) and the two
// hourly rates, then presses "计算". Its BN_CLICKED reaches calc::onCalculateClicked, which reads
// the six fields through ControlView, converts them and writes the five result captions, or
// writes none and names the field it could not read in a message box. Ticking "实时计算油量"
// starts a timer whose every WM_TIMER does the same with the clock as the end moment.

#include "accessibility.h"
#include "control_view.h"
#include "fonts.h"
#include "system_settings.h"

#include "runtime/clock.h"

#include <windows.h>

#include <array>
#include <map>
#include <memory>
#include <optional>

namespace fuel::win32 {

// The id of the window's one timer, as SetTimer and WM_TIMER name it.
UINT_PTR timerId();

class FrmMain {
public:
    // Builds the window from the design, fills the start-up defaults and centres it, hidden.
    // When the system cannot make the window, handle() is null and nothing else is done.
    FrmMain(const runtime::Clock &clock, const SystemSettings &settings);
    ~FrmMain();
    FrmMain(const FrmMain &) = delete;
    FrmMain &operator=(const FrmMain &) = delete;

    void show(int showCommand);
    HWND handle() const { return m_window; }
    UINT dpi() const { return m_dpi; }

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    void createControls();
    void nameFieldsForScreenReaders();
    void loadIcons();
    void layOut();
    SIZE outerSize() const;
    void fitWindow(POINT topLeft);
    void centreOnWorkArea();
    void changeDpi(UINT dpi, const RECT &suggested);
    void onCommand(int id, int code);
    struct Colours {
        COLORREF text;
        COLORREF background;
    };
    LRESULT colourStatic(HDC dc, HWND label);
    static Colours themeColours(const form::Look &look);
    void followSystemColours();
    HBRUSH brushOf(COLORREF colour);
    void offerCopy(HWND source, LPARAM position);
    void copyResults();
    void restoreFocus();

    const runtime::Clock &m_clock;
    const SystemSettings &m_settings;
    HWND m_window = nullptr;
    UINT m_dpi = USER_DEFAULT_SCREEN_DPI;
    bool m_highContrast = false;
    std::unique_ptr<Fonts> m_fonts;
    std::optional<ControlView> m_view;
    std::optional<FieldAnnotations> m_annotations;
    std::map<COLORREF, HBRUSH> m_brushes;
    std::array<HICON, 2> m_icons{}; // big, small
};

} // namespace fuel::win32
