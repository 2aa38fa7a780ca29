#pragma once

#include "form/design.h"

#include <windows.h>

namespace fuel::win32 {

// Every designed control is a child of the window itself, also those drawn inside a frame: a
// group box that held controls would keep their notifications from reaching the window. So a
// framed control sits at the frame's place plus its own.
RECT placeInWindow(const form::Control &control, UINT dpi);

SIZE clientSize(UINT dpi);

} // namespace fuel::win32
