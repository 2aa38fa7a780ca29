#pragma once

// The core's colours, plain red, green and blue, as Windows' COLORREF and back.

#include "form/design.h"

#include <windows.h>

namespace fuel::win32 {

inline form::Rgb toRgb(COLORREF colour)
{
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

inline COLORREF toColorRef(form::Rgb colour) { return RGB(colour.red, colour.green, colour.blue); }

} // namespace fuel::win32
