#include "controls.h"

#include "placement.h"
#include "utf.h"

#include "form/space_runs.h"
#include "input/key_filter.h"

#include <commctrl.h>
#include <imm.h>

#include <variant>

namespace fuel::win32 {

namespace {

struct WindowKind {
    const wchar_t *className;
    DWORD style;
    DWORD exStyle;
};

// Each control that takes the focus is a group of its own, so the arrow keys never move the
// focus off a button or box: only Tab does, in the designed order.
constexpr DWORD focusable = WS_TABSTOP | WS_GROUP;

DWORD labelStyle(const form::Look &look)
{
    DWORD style = SS_NOPREFIX;
    style |= look.centred ? SS_CENTER | SS_CENTERIMAGE : SS_LEFTNOWORDWRAP;
    if (look.boxed)
        style |= WS_BORDER;
    return style;
}

WindowKind windowKind(const form::Control &control)
{
    switch (control.kind) {
    case form::Kind::Frame:
        return {L"BUTTON", BS_GROUPBOX, 0};
    case form::Kind::Label:
        return {L"STATIC", labelStyle(control.look), 0};
    case form::Kind::TextBox:
        return {L"EDIT", ES_AUTOHSCROLL | focusable, WS_EX_CLIENTEDGE};
    case form::Kind::Button:
        // The caption stays one word, "计算", for screen readers; the narrow button wraps it.
        return {L"BUTTON", BS_PUSHBUTTON | BS_MULTILINE | focusable, 0};
    case form::Kind::CheckBox:
        return {L"BUTTON", BS_AUTOCHECKBOX | focusable, 0};
    }
    return {nullptr, 0, 0};
}

// Ctrl+A, C, V, X and Z arrive as control codes, which every filter cancels; they are editing
// shortcuts, not typed characters.
bool isEditingShortcut(WPARAM code) { return code < L' ' && GetKeyState(VK_CONTROL) < 0; }

LRESULT CALLBACK filterTyping(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR field)
{
    // The subclass goes before the field does, as the subclassing contract asks.
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(edit, filterTyping, 0);
    if (message == WM_CHAR && !isEditingShortcut(wParam)) {
        const auto code = static_cast<std::int16_t>(wParam);
        if (input::filterKey(code, static_cast<input::FilteredField>(field)) == 0)
            return 0;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

void setUpField(HWND edit, calc::Field field)
{
    // No length limit: a pasted megabyte arrives whole, and the calculation judges it.
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
    const auto filter = form::filterFor(field);
    if (!filter)
        return;
    SetWindowSubclass(edit, filterTyping, 0, static_cast<DWORD_PTR>(*filter));
    // Every character the field receives must reach the filter, not an input method's
    // composition.
    ImmAssociateContextEx(edit, nullptr, 0);
}

void setUpRole(HWND child, const form::Control &control)
{
    if (const auto *field = std::get_if<calc::Field>(&control.role))
        setUpField(child, *field);
    if (control.kind == form::Kind::CheckBox)
        SendMessageW(child, BM_SETCHECK, control.initiallyTicked ? BST_CHECKED : BST_UNCHECKED, 0);
}

// A box that lies over a caption's spaces goes where the spaces are drawn in the caption's font
// at this density.
RECT placeOverCaption(const form::Control &box, UINT dpi, const Fonts &fonts)
{
    RECT place = placeInWindow(box, dpi);
    const auto run = form::runUnder(box);
    if (!run)
        return place;
    const HFONT font = fonts.forLook(run->label->look);
    const std::wstring before = toUtf16(run->captionBefore);
    const int labelLeft = placeInWindow(*run->label, dpi).left;
    const int runLeft = labelLeft + textExtent(font, before).cx;
    const int runRight = labelLeft + textExtent(font, before + toUtf16(run->spaces)).cx;
    const form::PixelSpan span = form::placeOverRun(box, *run, runLeft, runRight);
    place.left = span.left;
    place.right = span.left + span.width;
    return place;
}

// A label that fits its caption takes the caption's size in the new font.
void setFont(HWND child, const form::Control &control, const Fonts &fonts)
{
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.forLook(control.look)), FALSE);
    if (control.look.fitsCaption)
        fitToCaption(child);
}

} // namespace

SIZE textExtent(HFONT font, std::wstring_view text)
{
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(screen, font);
    SIZE extent{};
    GetTextExtentPoint32W(screen, text.data(), static_cast<int>(text.size()), &extent);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return extent;
}

HWND createControl(HWND window, const form::Control &control, UINT dpi, const Fonts &fonts)
{
    const WindowKind kind = windowKind(control);
    if (!kind.className)
        return nullptr;
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | kind.style;
    const RECT place = placeOverCaption(control, dpi, fonts);
    const HWND child =
        CreateWindowExW(kind.exStyle, kind.className, toUtf16(control.text).c_str(), style,
                        place.left, place.top, place.right - place.left, place.bottom - place.top,
                        window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
                        GetModuleHandleW(nullptr), nullptr);
    setUpRole(child, control);
    setFont(child, control, fonts);
    return child;
}

void placeControl(HWND window, const form::Control &control, UINT dpi, const Fonts &fonts)
{
    const HWND child = controlWindow(window, control);
    if (!child)
        return;
    const RECT place = placeOverCaption(control, dpi, fonts);
    SetWindowPos(child, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    setFont(child, control, fonts);
}

void fitToCaption(HWND label)
{
    const SIZE extent = textExtent(reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)),
                                   windowText(label));
    SetWindowPos(label, nullptr, 0, 0, extent.cx, extent.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(label, nullptr, TRUE);
}

std::wstring windowText(HWND control)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    const int copied = GetWindowTextW(control, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

HWND controlWindow(HWND window, const form::Control &control)
{
    return GetDlgItem(window, control.id);
}

} // namespace fuel::win32
