#include "window_driver.h"

#include "window_cases.h"

#include "win32/clipboard.h"
#include "win32/program_services.h"

#include "calc/messages.h"

#include <oleacc.h>

#include <algorithm>
#include <map>

using fuel::testing::Row;
using fuel::testing::WindowDriver;
namespace cases = fuel::testing::cases;
namespace win32 = fuel::win32;

namespace {

RECT placeOf(const WindowDriver &window, std::string_view name)
{
    RECT place;
    GetWindowRect(window.control(name), &place);
    MapWindowPoints(HWND_DESKTOP, window.handle(), reinterpret_cast<POINT *>(&place), 2);
    return place;
}

std::string describe(const RECT &r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

// The size of a text as the control draws it, in its own font.
SIZE textExtent(HWND control, std::wstring_view text)
{
    const HDC dc = GetDC(control);
    SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &extent);
    ReleaseDC(control, dc);
    return extent;
}

int textWidth(HWND control, std::wstring_view text) { return textExtent(control, text).cx; }

// A label's line: 12 px in SimSun at 96 dpi; the Song face that Wine draws with for it has
// the same advances but a line of 13 px.
int lineHeight(HWND label) { return textExtent(label, L"油").cy; }

LOGFONTW fontOf(HWND control)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font;
}

LONG_PTR styleOf(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }

// The colours that the window gives a label to draw with.
struct LabelColours {
    COLORREF text;
    COLORREF background;
};

LabelColours coloursOf(const WindowDriver &window, std::string_view name)
{
    const HDC dc = CreateCompatibleDC(nullptr);
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(window.handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(window.control(name))));
    LOGBRUSH fill{};
    GetObjectW(brush, sizeof fill, &fill);
    const LabelColours colours{GetTextColor(dc), fill.lbColor};
    DeleteDC(dc);
    return colours;
}

void fillFields(WindowDriver &window, const cases::Calculation &c)
{
    const std::pair<std::string_view, std::string_view> texts[] = {
        {"Text1", c.mainRate},          {"Text2", c.auxRate},
        {"TxtStartDate1", c.startDate}, {"TxtStartTime1", c.startTime},
        {"TxtStartDate2", c.endDate},   {"TxtStartTime2", c.endTime}};
    for (const auto &[name, text] : texts)
        window.paste(name, text);
    if (window.isTicked("Check2") != c.threeDecimals)
        window.click("Check2");
}

void windowIsFixedAndTitled()
{
    const WindowDriver window;
    RECT client;
    GetClientRect(window.handle(), &client);
    CHECK_EQ(client.right, 369);
    CHECK_EQ(client.bottom, 290);
    const LONG_PTR style = styleOf(window.handle());
    CHECK(!(style & WS_THICKFRAME));
    CHECK(!(style & WS_MAXIMIZEBOX));
    CHECK(style & WS_MINIMIZEBOX);
    CHECK(style & WS_SYSMENU);
    CHECK_EQ(win32::toUtf8(win32::windowText(window.handle())),
             std::string("Oradel - Lirra工作专版"));
    CHECK(!window.isTicked("Check1"));
    CHECK(window.isTicked("Check2"));
    // Centred on the work area.
    RECT outer, work;
    GetWindowRect(window.handle(), &outer);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    CHECK(std::abs((outer.left - work.left) - (work.right - outer.right)) <= 1);
    CHECK(std::abs((outer.top - work.top) - (work.bottom - outer.bottom)) <= 1);
}

// This program is linked as fuelcalc.exe is: its header says Windows 7, so that Windows gives it
// the frame metrics of the systems it serves, not those before Vista.
void headerSaysWindows7()
{
    const auto *base = reinterpret_cast<const BYTE *>(GetModuleHandleW(nullptr));
    const IMAGE_OPTIONAL_HEADER &header =
        reinterpret_cast<const IMAGE_NT_HEADERS *>(
            base + reinterpret_cast<const IMAGE_DOS_HEADER *>(base)->e_lfanew)
            ->OptionalHeader;
    CHECK_EQ(header.MajorOperatingSystemVersion, 6);
    CHECK_EQ(header.MinorOperatingSystemVersion, 1);
    CHECK_EQ(header.MajorSubsystemVersion, 6);
    CHECK_EQ(header.MinorSubsystemVersion, 1);
}

void placesAt96Dpi()
{
    const WindowDriver window;
    CHECK_EQ(window.window().dpi(), 96u);
    for (const cases::Place &place : cases::placesAt96Dpi) {
        const Row row(place.name);
        POINT origin{0, 0};
        if (place.container != "FrmMain") {
            const RECT frame = placeOf(window, place.container);
            origin = {frame.left, frame.top};
        }
        const HWND control = window.control(place.name);
        const bool fitted = fuel::form::controlNamed(place.name).look.fitsCaption;
        const int width =
            place.width < 0 ? textWidth(control, win32::windowText(control)) : place.width;
        const int height = fitted ? lineHeight(control) : place.height;
        const RECT expected{origin.x + place.left, origin.y + place.top,
                            origin.x + place.left + width, origin.y + place.top + height};
        CHECK_EQ(describe(placeOf(window, place.name)), describe(expected));
    }
}

// A move to a monitor of 144 dpi: the drawing scaled by one and a half, fonts included. (The
// window's own frame is Wine's, still at 96 dpi, so only the client width is checked.)
void placesAfterMovingTo144Dpi()
{
    WindowDriver window;
    RECT suggested{10, 20, 600, 500};
    SendMessageW(window.handle(), 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    RECT client, outer;
    GetClientRect(window.handle(), &client);
    GetWindowRect(window.handle(), &outer);
    CHECK_EQ(client.right, 554);
    CHECK_EQ(outer.left, 10L);
    CHECK_EQ(outer.top, 20L);
    struct Place {
        std::string_view name;
        RECT inWindow;
    };
    constexpr Place places[] = {
        {"Frame(0)", {12, 12, 542, 218}},  {"TxtStartDate1", {132, 48, 290, 75}},
        {"Command1", {480, 48, 518, 112}}, {"Text1", {132, 137, 182, 164}},
        {"Check1", {392, 188, 538, 214}},  {"Frame(1)", {12, 228, 542, 398}},
        {"Label(0)", {0, 408, 554, 434}},
    };
    for (const Place &place : places) {
        const Row row(place.name);
        CHECK_EQ(describe(placeOf(window, place.name)), describe(place.inWindow));
    }
    CHECK_EQ(fontOf(window.control("Label1")).lfHeight, -18L);
    CHECK_EQ(fontOf(window.control("Text1")).lfHeight, -18L);
    const RECT caption = placeOf(window, "Label(1)");
    CHECK_EQ(caption.right - caption.left, 423L);
    CHECK_EQ(caption.bottom - caption.top,
             static_cast<LONG>(lineHeight(window.control("Label(1)"))));
}

int iconWidth(HWND window, WPARAM which)
{
    ICONINFO info{};
    if (!GetIconInfo(reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, which, 0)), &info))
        return 0;
    BITMAP colour{};
    GetObjectW(info.hbmColor, sizeof colour, &colour);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return colour.bmWidth;
}

// The title bar's and the taskbar's icons are drawn for the window's density, also after it
// moves to a monitor of another.
void iconsAtEveryDensity()
{
    WindowDriver window;
    struct Case {
        UINT dpi;
        int big;
        int small;
    };
    constexpr Case cases[] = {
        {96, 32, 16}, {120, 40, 20}, {144, 48, 24}, {192, 64, 32}, {96, 32, 16}};
    for (const Case &c : cases) {
        const Row row(std::to_string(c.dpi) + " dpi");
        RECT suggested{0, 0, 800, 600};
        SendMessageW(window.handle(), 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(c.dpi, c.dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        CHECK_EQ(iconWidth(window.handle(), ICON_BIG), c.big);
        CHECK_EQ(iconWidth(window.handle(), ICON_SMALL), c.small);
    }
}

void designedFontsAndColours()
{
    const WindowDriver window;
    struct Case {
        std::string_view name;
        LONG weight;
        COLORREF text;
    };
    constexpr Case cases[] = {
        {"Label1", FW_BOLD, RGB(0, 0, 255)},
        {"Label2", FW_BOLD, RGB(0, 128, 0)},
        {"Label3", FW_BOLD, RGB(192, 0, 0)},
        {"Label4", FW_BOLD, RGB(255, 128, 0)},
        {"Label5", FW_BOLD, RGB(255, 128, 0)},
        {"Label(2)", FW_NORMAL, 0},
        {"Text1", FW_NORMAL, 0},
        {"Check1", FW_NORMAL, 0},
    };
    for (const Case &c : cases) {
        const Row row(c.name);
        const LOGFONTW font = fontOf(window.control(c.name));
        CHECK(std::wstring_view(font.lfFaceName) == L"SimSun");
        CHECK_EQ(font.lfHeight, -12L);
        CHECK_EQ(static_cast<int>(font.lfCharSet), GB2312_CHARSET);
        CHECK_EQ(font.lfWeight, c.weight);
        if (c.text)
            CHECK_EQ(coloursOf(window, c.name).text, c.text);
    }
    const Row row("Label(0)");
    const LabelColours credit = coloursOf(window, "Label(0)");
    CHECK_EQ(credit.background, RGB(255, 255, 255));
    CHECK_EQ(credit.text, RGB(0, 0, 0));
    const LONG_PTR style = styleOf(window.control("Label(0)"));
    CHECK((style & SS_TYPEMASK) == SS_CENTER);
    CHECK(style & WS_BORDER);
}

// Wine keeps no high-contrast setting: SPI_SETHIGHCONTRAST fails and SPI_GETHIGHCONTRAST always
// says off. So, for as long as this object lives, this program's own import of
// SystemParametersInfoW answers that high contrast is on, and the system colours are those of a
// dark high-contrast theme; the window hears of both as it would of the user's switch.
class HighContrastTheme {
public:
    HighContrastTheme()
    {
        // Through the generic function type, which converts to any other without a warning.
        s_real = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "SystemParametersInfoW")));
        redirectImport(address(s_real), address(reportOn));
        for (std::size_t i = 0; i < std::size(elements); ++i)
            m_saved[i] = GetSysColor(elements[i]);
        SetSysColors(static_cast<int>(std::size(elements)), elements, theme);
    }
    ~HighContrastTheme()
    {
        redirectImport(address(reportOn), address(s_real));
        SetSysColors(static_cast<int>(std::size(elements)), elements, m_saved);
    }
    HighContrastTheme(const HighContrastTheme &) = delete;
    HighContrastTheme &operator=(const HighContrastTheme &) = delete;

    // The colours of a theme in which none of the designed colours appears.
    static constexpr int elements[] = {COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_WINDOW,
                                       COLOR_WINDOWTEXT};
    static constexpr COLORREF theme[] = {RGB(0, 0, 1), RGB(255, 255, 2), RGB(0, 0, 3),
                                         RGB(0, 255, 4)};

private:
    using Function = BOOL(WINAPI *)(UINT, UINT, void *, UINT);

    static BOOL WINAPI reportOn(UINT action, UINT size, void *value, UINT flags)
    {
        const BOOL answered = s_real(action, size, value, flags);
        if (action == SPI_GETHIGHCONTRAST && answered)
            static_cast<HIGHCONTRASTW *>(value)->dwFlags |= HCF_HIGHCONTRASTON;
        return answered;
    }

    // Every entry of this program's import table that holds one function gets the other.
    static ULONG_PTR address(Function function) { return reinterpret_cast<ULONG_PTR>(function); }

    static void redirectImport(ULONG_PTR from, ULONG_PTR to)
    {
        auto *base = reinterpret_cast<BYTE *>(GetModuleHandleW(nullptr));
        const auto *headers = reinterpret_cast<const IMAGE_NT_HEADERS *>(
            base + reinterpret_cast<const IMAGE_DOS_HEADER *>(base)->e_lfanew);
        const IMAGE_DATA_DIRECTORY &imports =
            headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        for (auto *library =
                 reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR *>(base + imports.VirtualAddress);
             library->Name; ++library) {
            for (auto *entry = reinterpret_cast<IMAGE_THUNK_DATA *>(base + library->FirstThunk);
                 entry->u1.Function; ++entry) {
                if (entry->u1.Function != from)
                    continue;
                DWORD protection;
                VirtualProtect(entry, sizeof *entry, PAGE_READWRITE, &protection);
                entry->u1.Function = to;
                VirtualProtect(entry, sizeof *entry, protection, &protection);
            }
        }
    }

    static inline Function s_real = nullptr;
    COLORREF m_saved[std::size(elements)]{};
};

// In a high-contrast theme every designed colour gives way to the theme's: the results, the
// credit line and the captions; outside one, the designed colours come back exactly.
void highContrastThemeColours()
{
    WindowDriver window;
    const std::string_view designed[] = {"Label1", "Label2", "Label3",
                                         "Label4", "Label5", "Label(0)"};
    std::map<std::string_view, std::pair<COLORREF, COLORREF>> before;
    for (const std::string_view name : designed) {
        const LabelColours colours = coloursOf(window, name);
        before[name] = {colours.text, colours.background};
    }
    {
        const HighContrastTheme theme;
        for (const std::string_view name : designed) {
            const Row row(name);
            const LabelColours colours = coloursOf(window, name);
            const bool boxed = name == "Label(0)";
            CHECK_EQ(colours.text, boxed ? RGB(0, 255, 4) : RGB(255, 255, 2));
            CHECK_EQ(colours.background, boxed ? RGB(0, 0, 3) : RGB(0, 0, 1));
        }
    }
    for (const std::string_view name : designed) {
        const Row row(std::string(name) + " after the theme");
        const LabelColours colours = coloursOf(window, name);
        CHECK_EQ(colours.text, before[name].first);
        CHECK_EQ(colours.background, before[name].second);
    }
}

// What a field shows on the screen: its background, the colour most of it has, and how dark the
// darkest of its pixels is, a stroke of its text (the largest channel, 0 for black).
struct ShownField {
    COLORREF background;
    int darkest;
};

ShownField shownField(HWND field)
{
    RedrawWindow(field, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT client;
    GetClientRect(field, &client);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    const HDC screen = GetDC(field);
    const HDC copy = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateDIBSection(copy, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
    GdiFlush();
    std::map<COLORREF, int> counts;
    int darkest = 255;
    const auto *pixels = static_cast<const DWORD *>(bits);
    for (LONG i = 0; i < client.right * client.bottom; ++i) {
        const COLORREF colour =
            RGB(pixels[i] >> 16 & 0xFF, pixels[i] >> 8 & 0xFF, pixels[i] & 0xFF);
        ++counts[colour];
        darkest = std::min(darkest, static_cast<int>(std::max({GetRValue(colour), GetGValue(colour),
                                                               GetBValue(colour)})));
    }
    SelectObject(copy, previous);
    DeleteObject(bitmap);
    DeleteDC(copy);
    ReleaseDC(field, screen);
    const auto most = std::ranges::max_element(
        counts, [](const auto &a, const auto &b) { return a.second < b.second; });
    return {most->first, darkest};
}

// An enabled field is drawn as one: dark text on the window colour; only the start fields that
// real-time mode disables look disabled, and only then.
void fieldsLookEnabledUnlessDisabled()
{
    WindowDriver window;
    struct Case {
        std::string_view row;
        std::string_view field;
        bool realTime;
        bool looksEnabled;
    };
    constexpr Case cases[] = {
        {"main rate", "Text1", false, true},
        {"start date", "TxtStartDate1", false, true},
        {"start time", "TxtStartTime1", false, true},
        {"end time", "TxtStartTime2", false, true},
        {"start date in real time", "TxtStartDate1", true, false},
        {"start time in real time", "TxtStartTime1", true, false},
        {"auxiliary rate in real time", "Text2", true, true},
        {"end date in real time", "TxtStartDate2", true, true},
    };
    // Text no darker than this is the grey of a disabled field's, not a stroke of window text.
    constexpr int darkestOfGreyText = 0x40;
    for (const Case &c : cases) {
        const Row row(c.row);
        if (window.isTicked("Check1") != c.realTime)
            window.click("Check1");
        const ShownField shown = shownField(window.control(c.field));
        CHECK_EQ(shown.background == GetSysColor(COLOR_WINDOW), c.looksEnabled);
        CHECK_EQ(shown.darkest <= darkestOfGreyText, c.looksEnabled);
    }
}

void calculateButtonKeepsOneWord()
{
    const WindowDriver window;
    CHECK_EQ(window.text("Command1"), std::string("计算"));
    const LONG_PTR style = styleOf(window.control("Command1"));
    CHECK(style & BS_MULTILINE);
    CHECK((style & BS_TYPEMASK) == BS_PUSHBUTTON);
}

// The rate boxes lie above the caption they sit in, and no frame lies above what it surrounds.
void stackingOrder()
{
    const WindowDriver window;
    const auto below = [&](std::string_view upper, std::string_view lower) {
        for (HWND next = window.control(upper); next; next = GetWindow(next, GW_HWNDNEXT)) {
            if (next == window.control(lower))
                return true;
        }
        return false;
    };
    CHECK(below("Text1", "Label(1)"));
    CHECK(below("Text2", "Label(1)"));
    for (const fuel::form::Control &control : fuel::form::controls()) {
        const Row row(control.name);
        if (!control.container.empty() && control.kind != fuel::form::Kind::Timer)
            CHECK(below(control.name, control.container));
    }
}

// At every scale Windows offers, the rate boxes lie over the caption's spaces, whatever the
// font's advances at that size; at 96 dpi they are where the design puts them.
void rateBoxesCoverNoCaptionCharacter()
{
    WindowDriver window;
    for (const UINT dpi : {96u, 120u, 144u, 168u, 192u, 240u, 96u}) {
        RECT suggested{0, 0, 800, 600};
        SendMessageW(window.handle(), 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        const HWND captionLabel = window.control("Label(1)");
        const std::wstring caption = win32::windowText(captionLabel);
        const RECT label = placeOf(window, "Label(1)");
        const RECT boxes[] = {placeOf(window, "Text1"), placeOf(window, "Text2")};
        for (std::size_t i = 0; i < caption.size(); ++i) {
            if (caption[i] == L' ')
                continue;
            const int left =
                label.left + textWidth(captionLabel, std::wstring_view(caption).substr(0, i));
            const int right =
                label.left + textWidth(captionLabel, std::wstring_view(caption).substr(0, i + 1));
            for (const RECT &box : boxes) {
                const Row row(std::to_string(dpi) + " dpi, " + win32::toUtf8(caption.substr(i, 1)) +
                              " at " + std::to_string(left) + " under " + describe(box));
                CHECK(right <= box.left || left >= box.right);
            }
        }
    }
}

void startUpDefaults()
{
    struct Case {
        std::string_view row;
        fuel::runtime::LocalDateTime moment;
        std::string_view date;
        std::string_view endTime;
    };
    constexpr Case cases[] = {
        {"morning, zero-padded", {{2007, 3, 5}, {7, 4, 9}}, "2007-03-05", "07:04:09"},
        {"afternoon on the 24-hour clock", {{2007, 3, 5}, {19, 4, 9}}, "2007-03-05", "19:04:09"},
        {"midnight", {{2024, 12, 31}, {0, 0, 0}}, "2024-12-31", "00:00:00"},
    };
    for (const Case &c : cases) {
        const Row row(c.row);
        const WindowDriver window(c.moment);
        CHECK_EQ(window.text("TxtStartDate1"), c.date);
        CHECK_EQ(window.text("TxtStartDate2"), c.date);
        CHECK_EQ(window.text("TxtStartTime1"), std::string("00:00:00"));
        CHECK_EQ(window.text("TxtStartTime2"), c.endTime);
        CHECK_EQ(window.text("Text1"), std::string("65"));
        CHECK_EQ(window.text("Text2"), std::string("15"));
    }
}

void typedCharactersAreFiltered()
{
    WindowDriver window;
    for (const cases::Typing &c : cases::typingCases) {
        const Row row(c.row);
        window.type(c.field, c.typed);
        CHECK_EQ(window.text(c.field), c.kept);
    }
}

// Ctrl+V arrives as code 22, which the filter alone would cancel.
void editingShortcutsStillWork()
{
    WindowDriver window;
    win32::putOnClipboard(window.handle(), L"42");
    const HWND field = window.control("Text1");
    SetFocus(field);
    SendMessageW(field, EM_SETSEL, 0, -1);
    window.holdKey(VK_CONTROL, true);
    PostMessageW(field, WM_CHAR, 0x16, 1);
    window.pump();
    window.holdKey(VK_CONTROL, false);
    CHECK_EQ(window.text("Text1"), std::string("42"));
    const Row row("the same code without Ctrl is typed, and refused");
    window.type("Text1", "\x16"
                         "7");
    CHECK_EQ(window.text("Text1"), std::string("7"));
}

void focusOpensOnCheck1AndSpaceTogglesRealTime()
{
    WindowDriver window;
    CHECK_EQ(window.focused(), std::string_view("Check1"));
    window.pressKey(VK_SPACE);
    CHECK(window.isTicked("Check1"));
    CHECK(!window.isEnabled("Command1"));
}

void tabVisitsTheDesignedOrder()
{
    WindowDriver window;
    {
        const Row row("forwards");
        for (const std::string_view expected : cases::tabCycle) {
            window.pressKey(VK_TAB);
            CHECK_EQ(window.focused(), expected);
        }
    }
    {
        const Row row("backwards with Shift");
        window.holdKey(VK_SHIFT, true);
        for (auto expected = cases::tabCycle.rbegin() + 1; expected != cases::tabCycle.rend();
             ++expected) {
            window.pressKey(VK_TAB);
            CHECK_EQ(window.focused(), *expected);
        }
        window.holdKey(VK_SHIFT, false);
    }
    const Row row("real-time mode skips the disabled controls");
    SetFocus(window.control("Check1"));
    window.click("Check1");
    for (const std::string_view expected : cases::tabCycleInRealTime) {
        window.pressKey(VK_TAB);
        CHECK_EQ(window.focused(), expected);
    }
}

void enterAndEscapeComputeNothing()
{
    WindowDriver window;
    const auto before = window.captions();
    for (const fuel::form::Control &control : fuel::form::controls()) {
        if (control.kind != fuel::form::Kind::TextBox)
            continue;
        const Row row(control.name);
        SetFocus(window.control(control.name));
        const std::string text = window.text(control.name);
        window.pressKey(VK_RETURN);
        window.pressKey(VK_ESCAPE);
        CHECK(window.captions() == before);
        CHECK_EQ(window.text(control.name), text);
        CHECK(window.messages().empty());
    }
}

void calculations()
{
    WindowDriver window;
    for (const cases::Calculation &c : cases::calculations) {
        const Row row(c.row);
        fillFields(window, c);
        window.click("Command1");
        CHECK_EQ(window.captions(), c.captions);
        CHECK(window.messages().empty());
    }
    const Row row("Space on the button");
    fillFields(window, cases::calculations.front());
    window.type("Text1", "1");
    SetFocus(window.control("Command1"));
    window.pressKey(VK_SPACE);
    CHECK_EQ(window.text("Label1"), std::string("主机用油量：1.500000 公斤"));
}

void longResultWidensLabel()
{
    WindowDriver window;
    const RECT before = placeOf(window, "Label1");
    window.paste("Text1", "99999");
    window.click("Command1");
    const RECT after = placeOf(window, "Label1");
    CHECK(after.right - after.left > before.right - before.left);
    CHECK_EQ(after.left, before.left);
    CHECK_EQ(after.bottom - after.top, before.bottom - before.top);
}

void unreadableInputNamesTheField()
{
    WindowDriver window;
    for (const cases::Unreadable &c : cases::unreadableInputs) {
        const Row row(c.row);
        window.forgetBoxes();
        fillFields(window, cases::calculations.front());
        window.click("Command1");
        const auto before = window.captions();
        window.paste(c.field, c.text);
        window.click("Command1");
        const auto field = std::get<fuel::calc::Field>(fuel::form::controlNamed(c.field).role);
        CHECK_EQ(window.messages(), std::vector<std::string>{fuel::calc::unreadableMessage(field)});
        CHECK(window.captions() == before);
        CHECK_EQ(window.focused(), c.field);
    }
    const Row row("the box");
    CHECK_EQ(window.boxes().size(), 1u);
    CHECK_EQ(window.boxes().front().title, std::string(fuel::calc::errorTitle));
    CHECK(window.boxes().front().owner == window.handle());
}

void realTimeStartChecks()
{
    for (const cases::StartRow &c : cases::realTimeStartRows) {
        const Row row(c.row);
        WindowDriver window;
        window.paste("TxtStartDate1", c.date);
        window.paste("TxtStartTime1", c.time);
        window.click("Check1");
        CHECK_EQ(window.isTicked("Check1"), c.starts);
        CHECK_EQ(window.isEnabled("TxtStartDate1"), !c.starts);
        CHECK_EQ(window.isEnabled("TxtStartTime1"), !c.starts);
        CHECK_EQ(window.isEnabled("Command1"), !c.starts);
        const std::vector<std::string> none;
        CHECK_EQ(window.messages(),
                 c.starts ? none : std::vector<std::string>{fuel::calc::startFieldsFormatMessage});
    }
}

void realTimeTicksAgainstTheClock()
{
    WindowDriver window({{2007, 4, 26}, {9, 30, 0}});
    window.click("Check1");
    CHECK_EQ(window.text("Label1"), std::string("主机用油量：0 公斤")); // not before a tick
    {
        const Row row("the window's own timer");
        CHECK(window.waitFor([&] { return window.text("Label1") != "主机用油量：0 公斤"; }, 3000));
        CHECK_EQ(window.text("Label1"), std::string("主机用油量：617.500 公斤"));
    }
    {
        const Row row("past midnight, a rate changed while running");
        window.clock.moment = {{2007, 4, 27}, {0, 30, 0}};
        window.paste("Text2", "60");
        window.tick();
        CHECK_EQ(window.text("Label5"), std::string("日差：1天"));
        CHECK_EQ(window.text("Label2"), std::string("副机用油量：1470 公斤"));
    }
    const Row row("unticked: no more ticks");
    window.click("Check1");
    CHECK(window.isEnabled("Command1"));
    const auto before = window.captions();
    window.clock.moment = {{2007, 4, 28}, {0, 0, 0}};
    window.waitFor([] { return false; }, 1200);
    CHECK(window.captions() == before);
}

// The start date looks like a date but is none: the first tick leaves the mode with one message,
// and no later tick brings another.
void failingTickLeavesRealTimeOnce()
{
    WindowDriver window;
    window.paste("TxtStartDate1", "2007-99-99");
    window.click("Check1");
    const auto before = window.captions();
    window.tick();
    window.tick();
    CHECK_EQ(window.messages().size(), 1u);
    CHECK(!window.isTicked("Check1"));
    CHECK(window.isEnabled("TxtStartDate1"));
    CHECK(window.isEnabled("Command1"));
    CHECK(window.captions() == before);
    window.waitFor([] { return false; }, 1200);
    CHECK_EQ(window.messages().size(), 1u);
}

// The clipboard's text in the format: CF_UNICODETEXT as wchar_t, CF_TEXT as char.
template <class Character> std::basic_string<Character> clipboardText(UINT format)
{
    std::basic_string<Character> text;
    if (!OpenClipboard(nullptr))
        return text;
    if (const HANDLE data = GetClipboardData(format)) {
        text = static_cast<const Character *>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

std::wstring clipboardText() { return clipboardText<wchar_t>(CF_UNICODETEXT); }

// Picks the first item of the menu that has just opened, as the keyboard would. The menu's own
// loop is the first to read the queue after the timer is set, so the shortest timer finds it open.
void CALLBACK chooseFirstMenuItem(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    if (const HWND menu = FindWindowW(L"#32768", nullptr)) {
        PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 1);
        PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 1);
    }
}

// Chooses "复制" from the menu that the window offers for a right click or the menu key.
void offerCopyAndChoose(WindowDriver &window, HWND source, LPARAM position)
{
    const UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, chooseFirstMenuItem);
    SendMessageW(window.handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(source), position);
    KillTimer(nullptr, timer);
}

void copyResults()
{
    WindowDriver window;
    fillFields(window, cases::calculations.front());
    window.click("Command1");
    const std::wstring expected = win32::toUtf16(
        "主机用油量：97.500000 公斤\r\n副机用油量：22.5 公斤\r\n总共用油量：120 公斤\r\n"
        "时差：01时30分\r\n日差：0天");
    RECT status;
    GetWindowRect(window.control("Frame(1)"), &status);
    struct Case {
        std::string_view row;
        HWND source;
        LPARAM position;
        bool offered;
    };
    const Case cases[] = {
        {"right click on the status group", window.handle(),
         MAKELPARAM(status.left + 20, status.bottom - 10), true},
        {"menu key on the real-time box", window.control("Check1"), -1, true},
        {"menu key on the button", window.control("Command1"), -1, true},
        {"right click on the settings group", window.handle(),
         MAKELPARAM(status.left + 20, status.top - 30), false},
        {"menu key in a text field: the field's own menu", window.control("Text1"), -1, false},
    };
    for (const Case &c : cases) {
        const Row row(c.row);
        win32::putOnClipboard(window.handle(), L"before");
        offerCopyAndChoose(window, c.source, c.position);
        CHECK(clipboardText() == (c.offered ? expected : L"before"));
    }
    // A program that reads the clipboard as ANSI text gets the Chinese in code page 936.
    const Row row("as ANSI text");
    offerCopyAndChoose(window, window.control("Check1"), -1);
    CHECK_EQ(clipboardText<char>(CF_TEXT).substr(0, 10),
             std::string("\xD6\xF7\xBB\xFA\xD3\xC3\xD3\xCD\xC1\xBF"));
}

// The clipboard held open by another program, as hold_clipboard.exe does, from before "复制" is
// chosen until the given time has passed; it is let go at the latest when this object goes.
class HeldClipboard {
public:
    explicit HeldClipboard(DWORD milliseconds)
    {
        std::wstring commandLine = L"\"" + besideThisProgram(L"hold_clipboard.exe") + L"\" " +
                                   std::to_wstring(milliseconds);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &m_process);
        // Held once this program can no longer open it.
        const ULONGLONG giveUpAt = GetTickCount64() + 5000;
        while (OpenClipboard(nullptr) && GetTickCount64() < giveUpAt) {
            CloseClipboard();
            Sleep(5);
        }
    }
    ~HeldClipboard()
    {
        TerminateProcess(m_process.hProcess, 0);
        WaitForSingleObject(m_process.hProcess, INFINITE);
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }
    HeldClipboard(const HeldClipboard &) = delete;
    HeldClipboard &operator=(const HeldClipboard &) = delete;

private:
    static std::wstring besideThisProgram(std::wstring_view name)
    {
        std::wstring path(MAX_PATH, L'\0');
        path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
        return path.substr(0, path.find_last_of(L'\\') + 1) + std::wstring(name);
    }

    PROCESS_INFORMATION m_process{};
};

// A few milliseconds of another program's hold are waited out; a hold that lasts is reported in
// a message of the window's own, and the clipboard keeps what it had.
void copyWhileAnotherProgramHoldsTheClipboard()
{
    WindowDriver window;
    fillFields(window, cases::calculations.front());
    window.click("Command1");
    struct Case {
        std::string_view row;
        DWORD heldMs;
        bool copied;
    };
    constexpr Case cases[] = {
        {"held for 300 ms: copied once let go", 300, true},
        {"held for 4 s: not copied, and the window says so", 4000, false},
    };
    for (const Case &c : cases) {
        const Row row(c.row);
        window.forgetBoxes();
        win32::putOnClipboard(window.handle(), L"before");
        {
            const HeldClipboard held(c.heldMs);
            offerCopyAndChoose(window, window.control("Check1"), -1);
        }
        CHECK_EQ(clipboardText().substr(0, 6) == L"before", !c.copied);
        const std::vector<std::string> none;
        CHECK_EQ(window.messages(),
                 c.copied ? none
                          : std::vector<std::string>{
                                "剪贴板正被其他程序占用，结果没有复制。请稍后再试。"});
        CHECK(window.boxes().empty() || window.boxes().front().owner == window.handle());
    }
}

std::wstring accessible(HWND field,
                        HRESULT (STDMETHODCALLTYPE IAccessible::*property)(VARIANT, BSTR *))
{
    IAccessible *object = nullptr;
    std::wstring text;
    if (FAILED(AccessibleObjectFromWindow(field, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void **>(&object))))
        return text;
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR value = nullptr;
    if (SUCCEEDED((object->*property)(self, &value)) && value)
        text = value;
    SysFreeString(value);
    object->Release();
    return text;
}

// Whether the system keeps annotations at all: Wine's service is a stub that refuses them.
bool systemKeepsAnnotations(HWND probe)
{
    IAccPropServices *services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void **>(&services))))
        return false;
    const HRESULT kept = services->SetHwndPropStr(probe, static_cast<DWORD>(OBJID_CLIENT),
                                                  CHILDID_SELF, PROPID_ACC_HELP, L"probe");
    services->Release();
    return kept == S_OK;
}

void accessibleNamesAndForms()
{
    const WindowDriver window;
    if (!systemKeepsAnnotations(window.control("Label(0)"))) {
        std::printf("SKIP accessible names: the system's annotation service keeps none\n");
        return;
    }
    for (const fuel::form::Control &control : fuel::form::controls()) {
        const auto *field = std::get_if<fuel::calc::Field>(&control.role);
        if (!field)
            continue;
        const Row row(control.name);
        const HWND edit = window.control(control.name);
        CHECK_EQ(win32::toUtf8(accessible(edit, &IAccessible::get_accName)),
                 fuel::calc::fieldName(*field));
        CHECK_EQ(win32::toUtf8(accessible(edit, &IAccessible::get_accDescription)),
                 fuel::calc::fieldForm(*field));
    }
}

constexpr fuel::testing::Test tests[] = {
    {"windowIsFixedAndTitled", windowIsFixedAndTitled},
    {"headerSaysWindows7", headerSaysWindows7},
    {"placesAt96Dpi", placesAt96Dpi},
    {"placesAfterMovingTo144Dpi", placesAfterMovingTo144Dpi},
    {"iconsAtEveryDensity", iconsAtEveryDensity},
    {"designedFontsAndColours", designedFontsAndColours},
    {"highContrastThemeColours", highContrastThemeColours},
    {"fieldsLookEnabledUnlessDisabled", fieldsLookEnabledUnlessDisabled},
    {"calculateButtonKeepsOneWord", calculateButtonKeepsOneWord},
    {"stackingOrder", stackingOrder},
    {"rateBoxesCoverNoCaptionCharacter", rateBoxesCoverNoCaptionCharacter},
    {"startUpDefaults", startUpDefaults},
    {"typedCharactersAreFiltered", typedCharactersAreFiltered},
    {"editingShortcutsStillWork", editingShortcutsStillWork},
    {"focusOpensOnCheck1AndSpaceTogglesRealTime", focusOpensOnCheck1AndSpaceTogglesRealTime},
    {"tabVisitsTheDesignedOrder", tabVisitsTheDesignedOrder},
    {"enterAndEscapeComputeNothing", enterAndEscapeComputeNothing},
    {"calculations", calculations},
    {"longResultWidensLabel", longResultWidensLabel},
    {"unreadableInputNamesTheField", unreadableInputNamesTheField},
    {"realTimeStartChecks", realTimeStartChecks},
    {"realTimeTicksAgainstTheClock", realTimeTicksAgainstTheClock},
    {"failingTickLeavesRealTimeOnce", failingTickLeavesRealTimeOnce},
    {"copyResults", copyResults},
    {"copyWhileAnotherProgramHoldsTheClipboard", copyWhileAnotherProgramHoldsTheClipboard},
    {"accessibleNamesAndForms", accessibleNamesAndForms},
};

} // namespace

int main()
{
    const win32::ProgramServices services;
    return fuel::testing::runTests(tests);
}
