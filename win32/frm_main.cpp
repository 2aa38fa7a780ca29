#include "frm_main.h"

#include "clipboard.h"
#include "colours.h"
#include "controls.h"
#include "dpi.h"
#include "placement.h"
#include "resources.h"
#include "utf.h"

#include "calc/events.h"
#include "calc/messages.h"
#include "form/contrast.h"

#include <windowsx.h>

#include <array>

namespace fuel::win32 {

namespace {

constexpr wchar_t className[] = L"FuelCalcFrmMain";
// A fixed single border: no sizing edge and no maximise button.
constexpr DWORD windowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr UINT_PTR copyCommand = 1;
// Posted once the window is first drawn: what only a screen reader needs.
constexpr UINT afterFirstPaint = WM_APP + 1;

bool registerClass(WNDPROC procedure)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = className;
    // Once per program: a second window finds the class already there.
    static const ATOM registered = RegisterClassExW(&windowClass);
    return registered != 0;
}

// The designed control of a child whose keys open the copy menu, if its keys do.
const form::Control *copyMenuKeysControl(HWND child)
{
    const form::Control *control = form::controlWithId(GetDlgCtrlID(child));
    return control && form::opensCopyMenuFromKeys(*control) ? control : nullptr;
}

} // namespace

UINT_PTR timerId() { return static_cast<UINT_PTR>(form::timerDesign().id); }

FrmMain::FrmMain(const runtime::Clock &clock, const SystemSettings &settings)
    : m_clock(clock),
      m_settings(settings)
{
    if (!registerClass(windowProc) ||
        !CreateWindowExW(0, className, toUtf16(form::windowDesign().title).c_str(), windowStyle, 0,
                         0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), this))
        return;
    m_dpi = dpiOf(m_window);
    m_highContrast = m_settings.highContrast();
    loadIcons();
    m_view.emplace(m_window, timerId());
    m_fonts = std::make_unique<Fonts>(m_dpi);
    createControls();
    calc::onLoad(*m_view, m_clock);
    centreOnWorkArea();
}

FrmMain::~FrmMain()
{
    if (m_window)
        DestroyWindow(m_window);
    for (const auto &[colour, brush] : m_brushes)
        DeleteObject(brush);
    for (const HICON icon : m_icons)
        DestroyIcon(icon);
}

// The first paint comes first; the screen reader's names, which start COM's accessibility
// service, come just after it, before a key or a screen reader's question can be read.
void FrmMain::show(int showCommand)
{
    ShowWindow(m_window, showCommand);
    RedrawWindow(m_window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    PostMessageW(m_window, afterFirstPaint, 0, 0);
}

LRESULT CALLBACK FrmMain::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *self =
            static_cast<FrmMain *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        self->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        scaleFrameWithDpi(window);
    }
    auto *self = reinterpret_cast<FrmMain *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    return self->handle(message, wParam, lParam);
}

LRESULT FrmMain::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_TIMER:
        if (wParam == timerId() && m_view->isTimerRunning())
            calc::onTimerTick(*m_view, m_clock);
        return 0;
    case WM_CTLCOLORSTATIC:
        return colourStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CONTEXTMENU:
        offerCopy(reinterpret_cast<HWND>(wParam), lParam);
        return 0;
    case WM_SYSCOLORCHANGE:
        followSystemColours();
        break;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETHIGHCONTRAST)
            followSystemColours();
        break;
    case WM_DPICHANGED:
        changeDpi(LOWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE)
            m_view->rememberFocus();
        break;
    case WM_SETFOCUS:
        restoreFocus();
        return 0;
    case afterFirstPaint:
        nameFieldsForScreenReaders();
        return 0;
    case WM_GETOBJECT:
        nameFieldsForScreenReaders();
        break;
    case WM_DESTROY:
        m_annotations.reset();
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
        m_window = nullptr;
        return 0;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

void FrmMain::createControls()
{
    // Each child goes beneath those made before it.
    for (const form::Control *control : form::stackingOrder())
        createControl(m_window, *control, m_dpi, *m_fonts);
}

void FrmMain::nameFieldsForScreenReaders()
{
    if (m_annotations)
        return;
    m_annotations.emplace();
    for (const form::Control &control : form::controls()) {
        if (const auto *field = std::get_if<calc::Field>(&control.role))
            m_annotations->annotate(controlWindow(m_window, control), calc::fieldName(*field),
                                    calc::fieldForm(*field));
    }
}

// The title bar's and the taskbar's icons, drawn for the window's density. The window keeps
// the icons it is given, so the old ones go only once the new ones are in place.
void FrmMain::loadIcons()
{
    const std::array<HICON, 2> icons = {
        programIconAt(FUEL_ICON_ID, systemMetricAt(SM_CXICON, m_dpi)),
        programIconAt(FUEL_ICON_ID, systemMetricAt(SM_CXSMICON, m_dpi))};
    SendMessageW(m_window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons[0]));
    SendMessageW(m_window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons[1]));
    for (const HICON icon : m_icons)
        DestroyIcon(icon);
    m_icons = icons;
}

// The new fonts are in place on every control before the old ones go.
void FrmMain::layOut()
{
    auto fonts = std::make_unique<Fonts>(m_dpi);
    for (const form::Control &control : form::controls())
        placeControl(m_window, control, m_dpi, *fonts);
    m_fonts = std::move(fonts);
}

SIZE FrmMain::outerSize() const
{
    const SIZE client = clientSize(m_dpi);
    return windowSizeFor(client.cx, client.cy, windowStyle, 0, m_dpi);
}

void FrmMain::fitWindow(POINT topLeft)
{
    const SIZE outer = outerSize();
    SetWindowPos(m_window, nullptr, topLeft.x, topLeft.y, outer.cx, outer.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void FrmMain::centreOnWorkArea()
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(m_window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT &work = monitor.rcWork;
    const SIZE outer = outerSize();
    fitWindow({work.left + (work.right - work.left - outer.cx) / 2,
               work.top + (work.bottom - work.top - outer.cy) / 2});
}

// Windows suggests where the window goes on the new monitor; its size follows from the design.
void FrmMain::changeDpi(UINT dpi, const RECT &suggested)
{
    m_dpi = dpi;
    loadIcons();
    layOut();
    fitWindow({suggested.left, suggested.top});
}

// Enter and Escape arrive as IDOK and IDCANCEL, which no control has. The window has no default
// button, so Enter, as in any dialog, presses the push button that has the focus, and nothing
// else; Escape does nothing.
void FrmMain::onCommand(int id, int code)
{
    if (id == IDOK) {
        const form::Control *focused = form::controlWithId(GetDlgCtrlID(GetFocus()));
        if (focused && focused->kind == form::Kind::Button && IsChild(m_window, GetFocus()))
            SendMessageW(GetFocus(), BM_CLICK, 0, 0);
        return;
    }
    const form::Control *control = form::controlWithId(id);
    if (!control || code != BN_CLICKED)
        return;
    if (control->kind == form::Kind::Button)
        calc::onCalculateClicked(*m_view);
    const auto *option = std::get_if<calc::Option>(&control->role);
    if (option && *option == calc::Option::RealTime)
        calc::onRealTimeToggled(*m_view);
}

LRESULT FrmMain::colourStatic(HDC dc, HWND label)
{
    const form::Control *control = form::controlWithId(GetDlgCtrlID(label));
    const auto designed =
        control ? form::designedColoursOn(control->look, toRgb(GetSysColor(COLOR_BTNFACE)))
                : std::nullopt;
    if (!designed)
        return DefWindowProcW(m_window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(label));
    const Colours colours =
        m_highContrast ? themeColours(control->look)
                       : Colours{toColorRef(designed->text), toColorRef(designed->background)};
    SetTextColor(dc, colours.text);
    SetBkColor(dc, colours.background);
    return reinterpret_cast<LRESULT>(brushOf(colours.background));
}

// A high-contrast theme gives every text its own colours: a designed background becomes the
// theme's window colour, and every designed text the theme's text colour on it.
FrmMain::Colours FrmMain::themeColours(const form::Look &look)
{
    if (look.background)
        return {GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW)};
    return {GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_BTNFACE)};
}

// A theme switched while the window is open: the labels are drawn again in the new colours,
// and the controls, which keep their own colours, hear of it too.
void FrmMain::followSystemColours()
{
    m_highContrast = m_settings.highContrast();
    for (const form::Control &control : form::controls()) {
        if (const HWND child = controlWindow(m_window, control))
            SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
    }
    RedrawWindow(m_window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

HBRUSH FrmMain::brushOf(COLORREF colour)
{
    auto &brush = m_brushes[colour];
    if (!brush)
        brush = CreateSolidBrush(colour);
    return brush;
}

// Where the design offers the copy menu: a position of -1 comes from the keyboard.
void FrmMain::offerCopy(HWND source, LPARAM position)
{
    POINT at{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    if (position == -1) {
        const form::Control *control = copyMenuKeysControl(source);
        if (!control)
            return;
        RECT place;
        GetWindowRect(source, &place);
        const form::TwipsPoint point = form::copyMenuPointFromKeys(*control);
        const int dpi = static_cast<int>(m_dpi);
        at = {place.left + form::toPixels(point.x, dpi), place.top + form::toPixels(point.y, dpi)};
    } else {
        RECT status;
        GetWindowRect(controlWindow(m_window, form::copyMenuGroup()), &status);
        if (!PtInRect(&status, at))
            return;
    }
    const HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, copyCommand, toUtf16(calc::copyResultsAction).c_str());
    const auto chosen = static_cast<UINT_PTR>(TrackPopupMenu(
        menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, m_window, nullptr));
    DestroyMenu(menu);
    if (chosen == copyCommand)
        copyResults();
}

// Lines end in CR LF, as every Windows program that pastes them expects.
void FrmMain::copyResults()
{
    const std::wstring lines = toUtf16(calc::resultsForClipboard(*m_view));
    std::wstring text;
    for (const wchar_t character : lines) {
        if (character == L'\n')
            text += L'\r';
        text += character;
    }
    if (!putOnClipboard(m_window, text))
        m_view->showError(calc::clipboardBusyMessage);
}

// The window itself takes no keys: the focus goes back to the control that had it, at first
// the one the design gives it when the window opens.
void FrmMain::restoreFocus()
{
    HWND target = m_view->focusedControl();
    if (!target)
        target = controlWindow(m_window, form::firstFocus());
    if (!IsWindowEnabled(target))
        target = GetNextDlgTabItem(m_window, target, FALSE);
    SetFocus(target);
}

} // namespace fuel::win32
