#pragma once

#include "form/design.h"

#include <windows.h>

namespace fuel::win32 {

// Every designed control is a child of the window itself, also those drawn inside a frame: a
// group box that held controls would keep their notifications from reaching the window. So a
// framed control sits at the frame's place plus its own.
RECT placeInWindow(const form::Control &control, UINT dpi);

SIZE clientSize(UINT dpi);

// The child-window identifier of each designed control, clear of IDOK and IDCANCEL, which
// IsDialogMessage sends for Enter and Escape.
int controlId(const form::Control &control);
const form::Control *controlWithId(int id);

// The one control of a kind that the design has once: the button, the timer.
const form::Control &onlyControlOf(form::Kind kind);

// The child window of a designed control.
HWND controlWindow(HWND window, const form::Control &control);

} // namespace fuel::win32
