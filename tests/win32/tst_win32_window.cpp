// What only the Win32 window has: its frame and styles, the move to another DPI, the fonts and
// colours as GDI draws them, the stacking of its child windows, the UTF-16 text the controls hold,
// the clipboard's line breaks and what Windows' own accessibility layer says.

#include "win32_window.h"
#include "window_driver.h"

#include "calc/events.h"
#include "calc/messages.h"
#include "win32/clipboard.h"
#include "win32/controls.h"
#include "win32/utf.h"

#include <doctest.h>

#include <oleacc.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace win32 = fuel::win32;
using fuel::calc::Field;
using fuel::calc::Option;
using fuel::calc::ResultLabel;
using fuel::testing::creditLine;
using fuel::testing::HeldClipboard;
using fuel::testing::HighContrastTheme;
using fuel::testing::Part;
using fuel::testing::ratesCaption;
using fuel::testing::shownField;
using fuel::testing::ShownField;
using fuel::testing::Target;

namespace {

// The window opened through the behaviour suite's driver, with its handle for what only Win32 has.
struct Window {
    std::unique_ptr<fuel::testing::WindowDriver> driver =
        fuel::testing::openWindow({{2007, 4, 26}, {9, 30, 0}});
    HWND handle = GetActiveWindow();

    fuel::testing::WindowDriver *operator->() const { return driver.get(); }
    HWND control(Target target) const { return fuel::testing::controlOf(handle, target); }
};

// Through the field's own replacement, as a paste does, in UTF-16 that UTF-8 could not carry.
void pasteWide(HWND field, const std::wstring &text)
{
    SendMessageW(field, EM_SETSEL, 0, -1);
    SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string describe(const fuel::testing::Rect &r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.width) +
           "x" + std::to_string(r.height);
}

// A label's line: 12 px in SimSun at 96 dpi; the Song face that Wine draws with for it has
// the same advances but a line of 13 px.
int lineHeight(HWND label) { return fuel::testing::textExtent(label, L"油").cy; }

LOGFONTW fontOf(HWND control)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font;
}

LONG_PTR styleOf(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }

TEST_CASE("one size, no maximise box, an icon, centred on the work area")
{
    const Window window;
    const LONG_PTR style = styleOf(window.handle);
    CHECK((style & WS_THICKFRAME) == 0);
    CHECK((style & WS_MAXIMIZEBOX) == 0);
    CHECK((style & WS_MINIMIZEBOX) != 0);
    CHECK((style & WS_SYSMENU) != 0);
    CHECK((SendMessageW(window.handle, WM_GETICON, ICON_BIG, 0) ||
           GetClassLongPtrW(window.handle, GCLP_HICON)));
    // Centred on the work area.
    RECT outer, work;
    GetWindowRect(window.handle, &outer);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    CHECK(std::abs((outer.left - work.left) - (work.right - outer.right)) <= 1);
    CHECK(std::abs((outer.top - work.top) - (work.bottom - outer.bottom)) <= 1);
}

// A move to a monitor of 144 dpi: the drawing scaled by one and a half, fonts included. (The
// window's own frame is Wine's, still at 96 dpi, so only the client width is checked.)
TEST_CASE("a move to a monitor of 144 dpi scales the drawing, fonts included")
{
    const Window window;
    fuel::testing::moveToDpi(window.handle, 144, {10, 20, 600, 500});
    RECT client, outer;
    GetClientRect(window.handle, &client);
    GetWindowRect(window.handle, &outer);
    CHECK(client.right == 554);
    CHECK(outer.left == 10L);
    CHECK(outer.top == 20L);
    // The rate box over its run of spaces; every other control's place is the behaviour suite's.
    CHECK(describe(window->place(Field::MainRate)) == "132,137 50x27");
    CHECK(fontOf(window.control(ResultLabel::MainAmount)).lfHeight == -18L);
    CHECK(fontOf(window.control(Field::MainRate)).lfHeight == -18L);
    CHECK(window->place(ratesCaption).width == 423);
    CHECK(window->place(ratesCaption).height == lineHeight(window.control(ratesCaption)));
}

TEST_CASE("SimSun in GB2312, the boxed credit")
{
    const Window window;
    for (const Target control : {Target(ResultLabel::MainAmount), fuel::testing::startCaption,
                                 Target(Field::MainRate), Target(Option::RealTime)}) {
        INFO(control);
        const LOGFONTW font = fontOf(window.control(control));
        CHECK(std::wstring_view(font.lfFaceName) == L"SimSun");
        CHECK(static_cast<int>(font.lfCharSet) == GB2312_CHARSET);
    }
    INFO(creditLine);
    CHECK(window->colours(creditLine).text == fuel::form::Rgb{0, 0, 0});
    const LONG_PTR style = styleOf(window.control(creditLine));
    CHECK((style & SS_TYPEMASK) == SS_CENTER);
    CHECK((style & WS_BORDER) != 0);
}

// An enabled field is drawn as one: dark text on the window colour; only the start fields that
// real-time mode disables look disabled, and only then.
TEST_CASE("an enabled field looks enabled; only the start fields in real time look disabled")
{
    const Window window;
    struct Case {
        std::string_view row;
        Field field;
        bool realTime;
        bool looksEnabled;
    };
    constexpr Case cases[] = {
        {"main rate", Field::MainRate, false, true},
        {"start date", Field::StartDate, false, true},
        {"start time", Field::StartTime, false, true},
        {"end time", Field::EndTime, false, true},
        {"start date in real time", Field::StartDate, true, false},
        {"start time in real time", Field::StartTime, true, false},
        {"auxiliary rate in real time", Field::AuxRate, true, true},
        {"end date in real time", Field::EndDate, true, true},
    };
    // Text no darker than this is the grey of a disabled field's, not a stroke of window text.
    constexpr int darkestOfGreyText = 0x40;
    for (const Case &c : cases) {
        INFO(c.row);
        if (window->isTicked(Option::RealTime) != c.realTime)
            window->click(Option::RealTime);
        const ShownField shown = shownField(window.control(c.field));
        CHECK((shown.background == GetSysColor(COLOR_WINDOW)) == c.looksEnabled);
        CHECK((shown.darkest <= darkestOfGreyText) == c.looksEnabled);
    }
}

TEST_CASE("计算 is one word on two lines")
{
    const Window window;
    const LONG_PTR style = styleOf(window.control(Part::Button));
    CHECK((style & BS_MULTILINE) != 0);
    CHECK((style & BS_TYPEMASK) == BS_PUSHBUTTON);
}

// The rate boxes lie above the caption they sit in, and no frame lies above what it surrounds.
TEST_CASE("the rate boxes lie above their caption, no frame above what it surrounds")
{
    const Window window;
    const auto below = [&](Target upper, Target lower) {
        for (HWND next = window.control(upper); next; next = GetWindow(next, GW_HWNDNEXT)) {
            if (next == window.control(lower))
                return true;
        }
        return false;
    };
    CHECK(below(Field::MainRate, ratesCaption));
    CHECK(below(Field::AuxRate, ratesCaption));
    for (const fuel::form::Control &control : fuel::form::controls()) {
        INFO(control.name);
        if (!control.container.empty())
            CHECK(below(Target::of(control), Target::named(control.container)));
    }
}

// Windows gives the editing shortcuts to a field as control codes, which pass its filter only
// while Ctrl is down.
TEST_CASE("the shortcuts' codes typed without Ctrl are refused")
{
    const Window window;
    window->type(Field::MainRate, "\x01\x16\x18"
                                  "7");
    CHECK(window->text(Field::MainRate) == "7");
}

std::wstring accessible(HWND field,
                        HRESULT (STDMETHODCALLTYPE IAccessible::*property)(VARIANT, BSTR *))
{
    IAccessible *object = nullptr;
    std::wstring text;
    if (FAILED(AccessibleObjectFromWindow(field, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible),
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

TEST_CASE("screen readers hear each field's name and form" * doctest::test_suite("annotations"))
{
    const Window window;
    for (const Field field : fuel::calc::allFields) {
        INFO(Target(field));
        const HWND edit = window.control(field);
        CHECK((win32::toUtf8(accessible(edit, &IAccessible::get_accName))) ==
              (fuel::calc::fieldName(field)));
        CHECK((win32::toUtf8(accessible(edit, &IAccessible::get_accDescription))) ==
              (fuel::calc::fieldForm(field)));
    }
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

} // namespace

// The copied results as Windows programs paste them, lines ending in CR LF, and as a program that
// reads the clipboard as ANSI text gets them, the Chinese in code page 936.
TEST_CASE("the copied results end their lines in CR LF and read as GBK in ANSI text")
{
    const Window window;
    window->click(Part::Button);
    window->copyThroughMenu(Part::Button, fuel::testing::MenuWay::MenuKey);
    const std::wstring text = fuel::testing::clipboardData<wchar_t>(CF_UNICODETEXT);
    CHECK(std::ranges::count(text, L'\n') == 4);
    CHECK(std::ranges::count(text, L'\r') == 4);
    CHECK(text.find(L"\r\n") != std::wstring::npos);
    CHECK(fuel::testing::clipboardData<char>(CF_TEXT).substr(0, 10) ==
          "\xD6\xF7\xBB\xFA\xD3\xC3\xD3\xCD\xC1\xBF"); // 主机用油量
}

// What only UTF-16 can hold: each gives the core's answer for the text the window reads from it.
TEST_CASE("unpaired surrogates pasted into a field")
{
    const std::wstring texts[] = {L"6\xD800"
                                  L"5",
                                  L"\xDC00", L"\xDE00\xD83D"};
    const Window window;
    for (const std::wstring &text : texts) {
        for (const Field field : fuel::calc::allFields) {
            INFO(Target(field));
            window->forgetBoxes();
            const std::wstring before = win32::windowText(window.control(field));
            pasteWide(window.control(field), text);
            CHECK(win32::windowText(window.control(field)) == text);
            fuel::testing::FakeView core;
            for (const Field each : fuel::calc::allFields)
                core.text(each) = window->text(each);
            fuel::calc::onCalculateClicked(core);
            window->click(Part::Button);
            CHECK(window->boxes().size() == core.messages.size());
            pasteWide(window.control(field), before);
        }
    }
}

// The title bar's and the taskbar's icons are drawn for the window's density, also after it
// moves to a monitor of another.
TEST_CASE("the window's icons at every density")
{
    const Window window;
    struct Case {
        UINT dpi;
        int big;
        int small;
    };
    constexpr Case cases[] = {
        {96, 32, 16}, {120, 40, 20}, {144, 48, 24}, {192, 64, 32}, {96, 32, 16}};
    for (const Case &c : cases) {
        INFO(c.dpi, " dpi");
        fuel::testing::moveToDpi(window.handle, c.dpi);
        CHECK(iconWidth(window.handle, ICON_BIG) == c.big);
        CHECK(iconWidth(window.handle, ICON_SMALL) == c.small);
    }
}

// In a high-contrast theme every designed colour gives way to the theme's: the results, the
// credit line and the captions; outside one, the designed colours come back exactly.
TEST_CASE("a high-contrast theme's colours replace the designed ones, which come back after")
{
    const Window window;
    std::vector<Target> designed(fuel::calc::allResultLabels.begin(),
                                 fuel::calc::allResultLabels.end());
    designed.push_back(creditLine);
    std::vector<fuel::form::Colours> before;
    for (const Target label : designed)
        before.push_back(window->colours(label));
    {
        const HighContrastTheme theme;
        for (const Target label : designed) {
            INFO(label);
            CHECK(window->colours(label) == (label == creditLine
                                                 ? fuel::form::Colours{{0, 255, 4}, {0, 0, 3}}
                                                 : fuel::form::Colours{{255, 255, 2}, {0, 0, 1}}));
        }
    }
    for (std::size_t i = 0; i < designed.size(); ++i) {
        INFO(designed[i], " after the theme");
        CHECK(window->colours(designed[i]) == before[i]);
    }
}

// A few milliseconds of another program's hold are waited out; a hold that lasts is reported in
// a message of the window's own, and the clipboard keeps what it had.
TEST_CASE("复制 while another program holds the clipboard")
{
    const Window window;
    window->click(Part::Button);
    struct Case {
        std::string_view row;
        DWORD heldMs;
        bool copied;
    };
    constexpr Case cases[] = {
        {"held for 300 ms: copied once let go", 300, true},
        {"held for 2 s: not copied, and the window says so", 2000, false},
    };
    for (const Case &c : cases) {
        INFO(c.row);
        window->forgetBoxes();
        window->setClipboardText("before");
        {
            const HeldClipboard held(c.heldMs);
            window->copyThroughMenu(Option::RealTime, fuel::testing::MenuWay::MenuKey);
        }
        CHECK((window->clipboardText() == "before") == !c.copied);
        if (c.copied) {
            CHECK(window->boxes().empty());
        } else {
            REQUIRE(window->boxes().size() == 1);
            CHECK(window->boxes().front().text ==
                  "剪贴板正被其他程序占用，结果没有复制。请稍后再试。");
            CHECK(window->boxes().front().ownedByWindow);
        }
    }
}
