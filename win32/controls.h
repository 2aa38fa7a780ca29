#pragma once

#include "fonts.h"

#include "form/design.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace fuel::win32 {

// One standard child window for a designed control, at its place for the dots per inch in its
// designed font, with its design-time text and state, and the keystroke filter of its field.
// The timer has no window: nothing is made for it.
HWND createControl(HWND window, const form::Control &control, UINT dpi, const Fonts &fonts);

// Puts the control at its place for the dots per inch, in its designed font; a label that
// fits its caption takes the caption's size.
void placeControl(HWND window, const form::Control &control, UINT dpi, const Fonts &fonts);

// As wide and as high as the caption on one line in the label's font; the left and top stay.
void fitToCaption(HWND label);

std::wstring windowText(HWND control);

// The child window of a designed control.
HWND controlWindow(HWND window, const form::Control &control);

// The size of a text on one line in the font.
SIZE textExtent(HFONT font, std::wstring_view text);

} // namespace fuel::win32
